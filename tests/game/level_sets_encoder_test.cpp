#include "game/fixed_locations.h"
#include "game/level_sets_encoder.h"
#include "rom/rom_error.h"

#include "small_game.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

constexpr std::uint32_t kTableArea = 0xCDFC;

class LevelSetsEncoderTest : public test::SmallGameTest {
protected:
    void SetUp() override {
        SmallGameTest::SetUp();
        tables.levelSets.at(0).used = 1;
    }

    void AddSet(std::uint8_t id, const std::vector<std::uint8_t>& setRooms) {
        LevelSet& set = tables.levelSets[id];
        set.id = id;
        set.used = 1;
        set.rooms.clear();
        for (const std::uint8_t setRoom : setRooms) set.rooms.push_back(LevelRoom{.setRoom = setRoom});
    }
    std::uint16_t Word(CpuPtr address) {
        image.MapBank(layout::kTablesBank);
        return image.Read16(address);
    }
    // The set rooms of the packed rooms that the room pointer table names for level set `id`.
    std::vector<int> PackedSetRooms(std::uint8_t id, std::size_t count) {
        const std::uint16_t at = Word(Word(layout::kLevelSetRoomsPtr) + 2U * id);
        const Bytes packed = test::BytesAt(image, layout::kLevelSetRoomsBank, at, 3 * count);
        std::vector<int> setRooms;
        for (std::size_t room = 0; room < count; ++room) setRooms.push_back(packed[3 * room] >> 2);
        return setRooms;
    }
};

// The game's program also reads some of the tables through pointers of its own, which no load reads.
TEST_F(LevelSetsEncoderTest, EveryPointerTheGameReadsNamesTheTables) {
    EncodeLevelSets(image, tables, kTableArea);
    EXPECT_EQ(Word(0xBB5F), Word(layout::kLevelSetTopsPtr) + 1);
    for (const CpuPtr copy : {0xBBBE, 0xBBE4, 0xBBEB})
        EXPECT_EQ(Word(copy), Word(layout::kLevelSetAttributesPtr));
    EXPECT_EQ(Word(0xBB55), Word(layout::kLevelSetRoomsPtr) + 1);
}

// The level sets of the boss slots carry slot 32's rooms from the third on after their own 64; a
// slot 32 set of fewer than four rooms counts as padded with zero rooms at the front.
TEST_F(LevelSetsEncoderTest, BossSlotSetsCarrySlot32RoomsFromTheThird) {
    const std::vector<std::pair<std::vector<std::uint8_t>, std::vector<int>>> cases = {
        {{40, 41, 42, 43}, {42, 43}},
        {{50, 51}, {50, 51}},
    };
    for (const auto& [slot32Rooms, carried] : cases) {
        SCOPED_TRACE(carried[0]);
        SetUp();
        AddSet(1, std::vector<std::uint8_t>(64, 10));
        AddSet(2, slot32Rooms);
        for (Level& level : tables.levels) level.levelSet = 1;
        tables.levels[3].levelSet = 0; // a boss slot; set 1 is played by the others
        tables.levels[kBossSlot].levelSet = 2;
        EncodeLevelSets(image, tables, kTableArea);
        for (const std::uint8_t id : {0, 1}) {
            const std::vector<int> setRooms = PackedSetRooms(id, 66);
            EXPECT_EQ(std::vector<int>(setRooms.begin() + 64, setRooms.end()), carried) << int{id};
        }
    }
}

TEST_F(LevelSetsEncoderTest, RoomsMayEndExactlyWhereTheFixedBankBegins) {
    // $803D-$BFFF holds 16323 bytes: 5441 rooms, 4 of them slot 32's set and 2 appended boss rooms.
    AddSet(1, {0, 1, 2, 3});
    tables.levels[kBossSlot].levelSet = 1;
    AddSet(0, std::vector<std::uint8_t>(5435, 1));
    const Bytes fixedBankStart = test::BytesAt(image, layout::kLevelSetRoomsBank, 0xC000, 16);
    EXPECT_NO_THROW(EncodeLevelSets(image, tables, kTableArea));
    EXPECT_EQ(test::BytesAt(image, layout::kLevelSetRoomsBank, 0xBFFD, 3), (Bytes{3 << 2, 0, 0}));

    AddSet(0, std::vector<std::uint8_t>(5436, 1));
    AddSet(1, {0, 1, 2, 3});
    EXPECT_EQ(test::FailureText([this] { EncodeLevelSets(image, tables, kTableArea); }),
              "Not enough ROM memory");
    EXPECT_EQ(test::BytesAt(image, layout::kLevelSetRoomsBank, 0xC000, 16), fixedBankStart);
}

} // namespace
} // namespace tikaroo
