#include "game/fixed_locations.h"
#include "game/level_sets_encoder.h"
#include "rom/rom_error.h"

#include "small_game.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

constexpr std::uint32_t kTableArea = 0xCDFC;

LevelRoom Room(std::uint8_t setRoom, std::uint8_t floorGeom = 0) {
    LevelRoom room;
    room.setRoom = setRoom;
    room.floorGeom = floorGeom;
    return room;
}

class LevelSetsEncoderTest : public ::testing::Test {
protected:
    void SetUp() override { test::MakeSmallGame(image, tables); }

    // A level set with the given id and rooms whose setRoom counts up from `first`.
    void AddSet(std::uint8_t id, std::size_t rooms, std::uint8_t first, bool used) {
        LevelSet set;
        set.id = id;
        set.used = used ? 1 : 0;
        set.music = static_cast<std::uint8_t>(id + 1);
        set.attributes = static_cast<std::uint8_t>(0x80 | id);
        set.tops = {id, static_cast<std::uint8_t>(id + 0x10), 0x22, 0x33};
        for (std::size_t i = 0; i < rooms; ++i)
            set.rooms.push_back(Room(static_cast<std::uint8_t>(first + i % 64)));
        tables.levelSets[id] = set;
    }
    std::uint16_t Word(CpuPtr address) {
        image.MapBank(layout::kTablesBank);
        return image.Read16(address);
    }
    // The packed rooms that the room pointer table names for level set `id`.
    Bytes PackedRooms(std::uint8_t id, std::size_t count) {
        const std::uint16_t at = Word(Word(layout::kLevelSetRoomsPtr) + 2U * id);
        return test::BytesAt(image, layout::kLevelSetRoomsBank, at, 3 * count);
    }

    CGameImage image;
    GameTables tables;
};

TEST_F(LevelSetsEncoderTest, UnusedSetsAreDroppedAndEveryPointerTheGameReadsNamesTheTables) {
    tables.levelSets.clear();
    for (std::uint8_t id = 0; id < 6; ++id) AddSet(id, 64, id, id == 0 || id == 2 || id == 5);
    for (std::size_t slot = 0; slot < kLevelSlotCount; ++slot)
        tables.levels[slot].levelSet = std::array<std::uint8_t, 3>{0, 2, 5}[slot % 3];
    tables.levels[kBossSlot].levelSet = 5;

    const std::uint32_t end = EncodeLevelSets(image, tables, kTableArea);

    // How the model follows the new ids is the random round trip's to check; here the image's tables.
    // Music, level table A, tops pointers and tops, attributes, room pointers, one after the other.
    EXPECT_EQ(Word(layout::kLevelSetMusicPtr), kTableArea);
    EXPECT_EQ(test::BytesAt(image, 0, kTableArea, 3), (Bytes{1, 3, 6}));
    const CpuPtr levelTableA = kTableArea + 3;
    EXPECT_EQ(Word(layout::kLevelSetIdsPtr), levelTableA);
    EXPECT_EQ(test::BytesAt(image, 0, levelTableA, 4), (Bytes{0, 1, 2, 0}));
    EXPECT_EQ(test::BytesAt(image, 0, levelTableA + 32, 1), Bytes{2});
    const CpuPtr tops = levelTableA + 33;
    EXPECT_EQ(Word(layout::kLevelSetTopsPtr), tops);
    EXPECT_EQ(Word(0xBB5F), tops + 1);
    EXPECT_EQ(Word(tops + 2 * 2), tops + 6 + 4 * 2);
    EXPECT_EQ(test::BytesAt(image, 0, tops + 6 + 4 * 2, 4), (Bytes{5, 0x15, 0x22, 0x33}));
    const CpuPtr attributes = tops + 6 + 12;
    for (const CpuPtr pointer : {0xBB92, 0xBBBE, 0xBBE4, 0xBBEB}) EXPECT_EQ(Word(pointer), attributes);
    EXPECT_EQ(test::BytesAt(image, 0, attributes, 3), (Bytes{0x80, 0x82, 0x85}));
    const CpuPtr roomPointers = attributes + 3;
    EXPECT_EQ(Word(layout::kLevelSetRoomsPtr), roomPointers);
    EXPECT_EQ(Word(0xBB55), roomPointers + 1);
    EXPECT_EQ(end, roomPointers + 6U);
    EXPECT_EQ(Word(roomPointers), 0x803D);
}

TEST_F(LevelSetsEncoderTest, BossSlotSetsCarrySlot32RoomsFromTheThirdInTheImageOnly) {
    tables.levelSets.clear();
    AddSet(0, 64, 0, true);
    AddSet(1, 64, 10, true);
    AddSet(2, 4, 40, true);
    for (Level& level : tables.levels) level.levelSet = 1;
    tables.levels[3].levelSet = 0; // a boss slot
    tables.levels[kBossSlot].levelSet = 2;

    EncodeLevelSets(image, tables, kTableArea);

    // Set 0 is named by boss slot 3 and set 1 by the others: both get rooms 42 and 43 appended.
    for (std::uint8_t id : {0, 1}) {
        const Bytes packed = PackedRooms(id, 66);
        EXPECT_EQ(packed[3 * 64], 42 << 2);
        EXPECT_EQ(packed[3 * 65], 43 << 2);
        EXPECT_EQ(tables.levelSets.at(id).rooms.size(), 64U);
    }
    EXPECT_EQ(Word(Word(layout::kLevelSetRoomsPtr) + 2), 0x803D + 3 * 66);
    EXPECT_EQ(Word(Word(layout::kLevelSetRoomsPtr) + 4), 0x803D + 3 * 66 * 2);
    EXPECT_EQ(tables.levelSets.at(2).rooms.size(), 4U);
}

TEST_F(LevelSetsEncoderTest, BossRoomsOfAShortSlot32SetArePaddedAtTheFront) {
    AddSet(1, 2, 50, true);
    tables.levelSets[0].used = 1;
    tables.levels[kBossSlot].levelSet = 1;
    EncodeLevelSets(image, tables, kTableArea);
    // Padded to 0, 0, 50, 51: the boss slots' set 0 gets 50 and 51 after its 64 rooms.
    const Bytes packed = PackedRooms(0, 66);
    EXPECT_EQ(packed[3 * 64], 50 << 2);
    EXPECT_EQ(packed[3 * 65], 51 << 2);
}

TEST_F(LevelSetsEncoderTest, RoomsMayEndExactlyWhereTheFixedBankBegins) {
    // $803D-$BFFF holds 16323 bytes: 5441 rooms, 4 of them slot 32's set and 2 appended boss rooms.
    AddSet(1, 4, 0, true);
    tables.levels[kBossSlot].levelSet = 1;
    tables.levelSets[0].used = 1;
    tables.levelSets[0].rooms.assign(5435, Room(1, 7));
    const Bytes fixedBankStart = test::BytesAt(image, layout::kLevelSetRoomsBank, 0xC000, 16);
    EXPECT_NO_THROW(EncodeLevelSets(image, tables, kTableArea));
    EXPECT_EQ(test::BytesAt(image, layout::kLevelSetRoomsBank, 0xBFFD, 3), (Bytes{3 << 2, 0, 0}));

    tables.levelSets[0].used = 1;
    tables.levelSets[1].used = 1;
    tables.levelSets[0].rooms.push_back(Room(1, 7));
    EXPECT_EQ(test::FailureText([this] { EncodeLevelSets(image, tables, kTableArea); }),
              "Not enough ROM memory");
    EXPECT_EQ(test::BytesAt(image, layout::kLevelSetRoomsBank, 0xC000, 16), fixedBankStart);
}

} // namespace
} // namespace tikaroo
