#include "game/fixed_locations.h"
#include "reader_fixture.h"

namespace tikaroo {
namespace {

using SettingsReader = test::ReaderTest;
using test::Poke;

TEST_F(SettingsReader, DecodesNegatedJumpsHolesOpcodeAndNonZeroFlags) {
    Poke(image, 0, layout::kSpeed, {0x20});
    Poke(image, 0, layout::kExtraSpeed, {0x21});
    Poke(image, 0, layout::kSbSpeed, {0x22});
    Poke(image, 0, layout::kExtraSbSpeed, {0x23});
    Poke(image, 0, layout::kJump, {0xF0, 0x81});
    Poke(image, 0, layout::kSafeMode, {0x80});
    Poke(image, 0, layout::kHoles, {layout::kHolesOn});
    Poke(image, 0, layout::kGrabSkateboards, {0x02});
    Poke(image, 0, layout::kBeginArea, {7, 3, 2, 1});
    Poke(image, 0, layout::kDropsCount, {10});
    Poke(image, 0, layout::kLives, {9});
    const GameSettings settings = ReadAll().gameSettings;
    EXPECT_EQ(settings, (GameSettings{.speed = 0x20,
                                      .extraSpeed = 0x21,
                                      .sbSpeed = 0x22,
                                      .extraSbSpeed = 0x23,
                                      .jump = 16,
                                      .extraJump = 127,
                                      .safeMode = 1,
                                      .holes = 1,
                                      .grabSkateboards = 1,
                                      .beginArea = 7,
                                      .beginRound = 3,
                                      .beginFrom = 2,
                                      .weapon = 1,
                                      .dropsCount = 10,
                                      .lives = 9}));
}

TEST_F(SettingsReader, OnlyTheSecOpcodeTurnsHolesOn) {
    for (const auto& [opcode, holes] : {std::pair{layout::kHolesOff, 0U}, {0x39, 0U}, {0x38, 1U}}) {
        Poke(image, 0, layout::kHoles, {opcode});
        EXPECT_EQ(ReadAll().gameSettings.holes, holes) << int{opcode};
    }
}

TEST_F(SettingsReader, BonusLengthIsTheEndMinusTheBeginRooms) {
    Poke(image, 0, layout::kBonusAreaNumber, {5});
    Poke(image, 0, layout::kBonusRoundNumber, {2});
    Poke(image, 0, layout::kBonusBeginFrom, {2});
    Poke(image, 0, layout::kBonusEnd, {0x30});
    EXPECT_EQ(ReadAll().bonusArea, (BonusArea{.area = 22, .beginFrom = 2, .length = 16}));
}

TEST_F(SettingsReader, CopiesGeometryTablesAndObjectImageConstants) {
    Poke(image, 0, layout::kBgStepTable.address, {1, 2, 3, 4, 5, 6, 7, 0xF8});
    Poke(image, 0, layout::kGapEndTable.address, {9, 8, 7, 6, 5, 4, 3, 2, 1});
    Poke(image, 0, 0x8AFD, {0xFF, 1, 2, 3, 0x80});
    Poke(image, 0, 0x9538, {5, 0xFE});
    const GameTables tables = ReadAll();
    EXPECT_EQ(tables.geometry.bgStepTable, (std::array<std::uint8_t, 8>{1, 2, 3, 4, 5, 6, 7, 0xF8}));
    EXPECT_EQ(tables.geometry.gapEndTable, (std::array<std::uint8_t, 9>{9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(tables.objectImageConstants, (std::array<std::int8_t, 7>{-1, 1, 2, 3, -128, 5, -2}));
}

TEST_F(SettingsReader, ObjectTypesKeepTheirBytesAndDeriveAValuePerKind) {
    test::Poke(image, 2, layout::kObjectTypes, {0x0C, 0x01, 0xF6, 3, 4, 5});       // kind 4
    test::Poke(image, 2, layout::kObjectTypes + 6, {0x4A, 0x12, 0, 0, 0, 0});      // kind 2
    test::Poke(image, 2, layout::kObjectTypes + 71 * 6, {0xF8, 0xFF, 0, 0, 0, 9}); // kind 0
    const std::vector<ObjectType> types = ReadAll().objectTypes;
    ASSERT_EQ(types.size(), kObjectTypeCount);
    EXPECT_EQ(types[0].descriptor, (std::array<std::uint8_t, 6>{0x0C, 0x01, 0xF6, 3, 4, 5}));
    EXPECT_EQ(types[0].kind, 4);
    EXPECT_EQ(types[0].value, 0x9E20 + ((0x01 << 5) | 1));
    EXPECT_EQ(types[1].kind, 2);
    EXPECT_EQ(types[1].value, ((0x12 << 5) | 9) & 0xFF);
    EXPECT_EQ(types[71].kind, 0);
    EXPECT_EQ(types[71].value, 0);
    EXPECT_EQ(types[71].descriptor[5], 9);
}

} // namespace
} // namespace tikaroo
