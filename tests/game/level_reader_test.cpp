#include "game/fixed_locations.h"
#include "reader_fixture.h"

namespace tikaroo {
namespace {

using LevelReader = test::ReaderTest;
using test::Poke;
namespace minimal = test::minimal;

constexpr int kRoomsBank = layout::kLevelSetRoomsBank;

void SetSlotLevelSet(CGameImage& image, std::size_t slot, std::uint8_t id) {
    Poke(image, 0, static_cast<CpuPtr>(minimal::kLevelSetIds + slot), {id});
}

TEST_F(LevelReader, ASetOnlyTheBossSlotPlaysHasFourRooms) {
    EXPECT_EQ(ReadAll().levelSets.size(), 1U); // every slot names set 0: it is read once
    SetSlotLevelSet(image, 32, 5);
    GameTables tables = ReadAll();
    ASSERT_EQ(tables.levelSets.size(), 2U);
    EXPECT_EQ(tables.levelSets.at(0).rooms.size(), 64U);
    EXPECT_EQ(tables.levelSets.at(5).rooms.size(), 4U);
    EXPECT_EQ(tables.levels[32].levelSet, 5);
    SetSlotLevelSet(image, 5, 5);
    tables = ReadAll();
    EXPECT_EQ(tables.levelSets.at(5).rooms.size(), 64U);
    EXPECT_EQ(tables.levels[5].levelSet, 5);
}

TEST_F(LevelReader, UnpacksRoomsAndTheSetBytes) {
    SetSlotLevelSet(image, 0, 3);
    Poke(image, 0, minimal::kAttributes + 3, {0xA9});
    Poke(image, 0, minimal::kMusic + 3, {14});
    Poke(image, 0, minimal::kTops + 4 * 3, {0x12, 0x34, 0x56, 0x78});
    const CpuPtr rooms = test::MinimalLevelSetRooms(3);
    Poke(image, kRoomsBank, rooms, {0xB9, 0x72, 0x96});
    Poke(image, kRoomsBank, rooms + 3 * 63, {0x14, 0, 0x0F});
    Poke(image, kRoomsBank, rooms + 3 * 64, {0xFC, 0, 0}); // the next set's, never read
    // The same bytes in bank 0 must not be taken for the rooms.
    Poke(image, 0, rooms, {0xFF, 0xFF, 0xFF});

    const LevelSet set = ReadAll().levelSets.at(3);
    EXPECT_EQ(set.id, 3);
    EXPECT_EQ(set.attributes, 0xA9);
    EXPECT_EQ(set.GraphicSetId(), 2);
    EXPECT_EQ(set.music, 14);
    EXPECT_EQ(set.tops, (std::array<std::uint8_t, 4>{0x12, 0x34, 0x56, 0x78}));
    ASSERT_EQ(set.rooms.size(), 64U);
    EXPECT_EQ(set.rooms[0], (LevelRoom{46, 1, 3, 4, 2, 9, 6}));
    EXPECT_EQ(set.rooms[63], (LevelRoom{5, 0, 0, 0, 0, 0, 15}));
    EXPECT_EQ(set.lastSetRoom, 46);
}

TEST_F(LevelReader, ReadsTheLevelTableAndGivesBonusLevelsTheBossSlotsBytes) {
    SetSlotLevelSet(image, 32, 2);
    for (std::uint8_t slot = 0; slot < 33; ++slot)
        Poke(image, 0, minimal::kEggValues + slot, {static_cast<std::uint8_t>(0x40 + slot)});
    Poke(image, 0, minimal::kLevelPalettes + 31, {0xE3});
    const GameTables tables = ReadAll();
    ASSERT_EQ(tables.levels.size(), 33U);
    EXPECT_EQ(tables.levels[31].paletteSet, 14);
    EXPECT_EQ(tables.levels[31].paletteUpdater, 3);
    EXPECT_EQ(tables.levels[31].eggValues, 0x40 + 31);
    EXPECT_EQ(tables.levels[0].paletteUpdater, kNoPaletteUpdater);
    EXPECT_EQ(tables.levels[32].paletteSet, 0);
    EXPECT_EQ(tables.levels[32].paletteUpdater, kNoPaletteUpdater);
    ASSERT_EQ(tables.bonusLevels.size(), 9U);
    for (const Level& bonus : tables.bonusLevels) {
        EXPECT_EQ(bonus.levelSet, 2);
        EXPECT_EQ(bonus.eggValues, 0x40 + 32);
        EXPECT_EQ(bonus.paletteUpdater, kNoPaletteUpdater);
    }
}

TEST_F(LevelReader, ReadingAgainReplacesTheTablesAndResetsTheView) {
    GameTables tables;
    ReadAllTables(image, tables);
    tables.view.currentLevel = 5;
    tables.view.bonusMode = true;
    tables.view.selectedIndex = 2;
    tables.levelSets[9] = LevelSet{};
    ReadAllTables(image, tables);
    EXPECT_EQ(tables.levels.size(), 33U);
    EXPECT_EQ(tables.objectTypes.size(), kObjectTypeCount);
    EXPECT_EQ(tables.levelSets.size(), 1U);
    EXPECT_EQ(tables.view.currentLevel, 0);
    EXPECT_FALSE(tables.view.bonusMode);
    EXPECT_EQ(tables.view.selectedIndex, -1);
}

TEST_F(LevelReader, PointersOutsideTheWindowFailTheRead) {
    // A set whose rooms would run past $FFFF.
    SetSlotLevelSet(image, 7, 4);
    test::PokeWord(image, 0, minimal::kRoomPointers + 2 * 4, 0xFFF0);
    EXPECT_EQ(ReadAllError(), errors::kInvalidPointer);
    // A level table that points below the cartridge space.
    SetUp();
    test::PokeWord(image, 0, layout::kEggValuesPtr, 0x7FF0);
    EXPECT_EQ(ReadAllError(), errors::kInvalidPointer);
    // An image with nothing in it: every pointer is 0.
    test::MakeExpandedImage(image);
    EXPECT_EQ(ReadAllError(), errors::kInvalidPointer);
}

TEST_F(LevelReader, IndexedTablesMayEndExactlyAtTheTopOfTheWindow) {
    test::PokeWord(image, 0, layout::kLevelSetIdsPtr, 0xFFDF); // 33 bytes: $FFDF-$FFFF
    Poke(image, 0, 0xFFDF, Bytes(33, 0));
    EXPECT_EQ(ReadAllError(), "");
}

} // namespace
} // namespace tikaroo
