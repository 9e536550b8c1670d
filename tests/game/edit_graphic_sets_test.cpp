#include "game/game_rom.h"

#include "opened_sample.h"
#include "support/model_compare.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

namespace tikaroo {
namespace {

// A set of two rooms: room 0 stands on LineGeom entries 1, 0, 1 and 5 (5 names nothing), room 1 on
// entry 0 everywhere; three blocks, the last one without attributes.
GraphicSet TwoRoomSet() {
    GraphicSet set;
    set.used = 1;
    set.rooms = {{1, 0, 1, 5}, {0, 0, 0, 0}};
    set.lineGeom = {0x0000, 0x0101};
    set.topLines = {{0, 0, 0, 0, 0, 1}, {2, 2, 2, 2, 1, 1}};
    set.bottomLines = {{1, 2, 2, 2, 2}, {0, 1, 1, 1, 1}};
    set.blocks = {Block{}, Block{1, 2, 3}, Block{4, 5, 6}};
    set.attributes = {{0, 1, 2, 3}, {3, 3, 3, 3}};
    return set;
}

TEST(ExpandGraphicSets, RoomsBecomeGridsAndBlocksCarryTheirAttributes) {
    CGameRom rom;
    rom.graphicSets[2] = TwoRoomSet();
    rom.allTiles.resize(8192);
    rom.allTiles[2 * 512 + 7][0] = 3; // tile 7 of set 2's CHR

    const EditGraphicSets sets = rom.ExpandGraphicSets().value();
    const EditGraphicSet& edit = sets.at(2);
    EXPECT_EQ(edit.used, 1U);
    EXPECT_EQ(edit.tiles.at(7)[0], 3);
    EXPECT_EQ(sets.at(1).tiles.at(7)[0], 0);
    // Row by row: top lines give rows 0-5, bottom lines rows 6-10; column 3 names nothing.
    const RoomGrid room0 = {2, 0, 2, 0, 2, 0, 2, 0, 2, 0, 2, 0, 2, 0, 2, 0, 1, 0, 1, 0, 1, 1,
                            1, 0, 0, 1, 0, 0, 1, 2, 1, 0, 1, 2, 1, 0, 1, 2, 1, 0, 1, 2, 1, 0};
    EXPECT_EQ(edit.rooms.at(0), room0);
    ASSERT_EQ(edit.blocks.size(), 3U);
    EXPECT_EQ(edit.blocks[1], (EditBlock{1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 3, 3, 3}));
    EXPECT_EQ(edit.blocks[2], (EditBlock{4, 5, 6}));
    rom.view.bonusMode = true;
    EXPECT_FALSE(rom.ExpandGraphicSets());
}

// What a room shows: the blocks of its cells, a block number beyond the list showing a zero block.
using RoomContent = std::array<EditBlock, kRoomColumns * kRoomRows>;

RoomContent ContentOf(const EditGraphicSet& set, std::size_t room) {
    RoomContent content{};
    const RoomGrid& grid = set.rooms.at(std::min(room, set.rooms.size() - 1));
    for (std::size_t cell = 0; cell < grid.size(); ++cell)
        if (grid[cell] < set.blocks.size()) content[cell] = set.blocks[grid[cell]];
    return content;
}

std::vector<RoomContent> ContentsOf(const EditGraphicSet& set, const std::vector<std::uint8_t>& setRooms) {
    std::vector<RoomContent> contents;
    for (const std::uint8_t room : setRooms) contents.push_back(ContentOf(set, room));
    return contents;
}

// The set rooms of every level room of the level sets that play graphic set `id`.
std::vector<std::uint8_t> SetRoomsOf(const CGameRom& rom, std::uint8_t id) {
    std::vector<std::uint8_t> setRooms;
    for (const auto& [levelSetId, levelSet] : rom.levelSets)
        if (levelSet.GraphicSetId() == id)
            for (const LevelRoom& room : levelSet.rooms) setRooms.push_back(room.setRoom);
    return setRooms;
}

TEST(ApplyGraphicSets, LevelRoomsKeepShowingWhatTheEditedRoomsShow) {
    const CGameRom& sample = test::OpenedSample();
    const EditGraphicSet original = sample.ExpandGraphicSets()->at(0);
    const std::size_t blockCount = original.blocks.size();
    // Each edit with the change it makes to the number of rooms and of blocks.
    const std::vector<std::tuple<const char*, std::function<void(EditGraphicSet&)>, int, int>> cases = {
        {"unchanged", [](EditGraphicSet&) {}, 0, 0},
        {"room 4 made equal to room 2", [](EditGraphicSet& set) { set.rooms[3] = set.rooms[1]; }, -1, 0},
        {"last room deleted", [](EditGraphicSet& set) { set.rooms.pop_back(); }, -1, 0},
        {"two blocks that no room uses",
         [](EditGraphicSet& set) { set.blocks.resize(set.blocks.size() + 2, EditBlock{9}); }, 0, 0},
        {"a cell names block count + 2",
         [blockCount](EditGraphicSet& set) { set.rooms[0][5] = static_cast<std::uint8_t>(blockCount + 2); },
         0, 0},
        {"block 3 made equal to block 2", [](EditGraphicSet& set) { set.blocks[2] = set.blocks[1]; }, 0, -1},
    };
    const std::vector<std::uint8_t> setRooms = SetRoomsOf(sample, 0);
    ASSERT_NE(std::ranges::find(setRooms, original.rooms.size() - 1), setRooms.end())
        << "a level shows the last room";
    ASSERT_EQ(original.blocks[0], EditBlock{}) << "the padding merges with the zero block 0";

    for (const auto& [name, edit, roomChange, blockChange] : cases) {
        SCOPED_TRACE(name);
        CGameRom rom = sample;
        EditGraphicSets sets = *rom.ExpandGraphicSets();
        edit(sets[0]);
        const std::vector<RoomContent> expected = ContentsOf(sets[0], setRooms);
        ASSERT_TRUE(rom.ApplyGraphicSets(sets));

        const EditGraphicSet applied = rom.ExpandGraphicSets()->at(0);
        EXPECT_EQ(applied.rooms.size(), original.rooms.size() + roomChange);
        EXPECT_EQ(applied.blocks.size(), blockCount + blockChange);
        EXPECT_EQ(ContentsOf(applied, SetRoomsOf(rom, 0)), expected);
        if (roomChange == 0 && blockChange == 0) test::ExpectSameStoredModel(rom, sample);
    }
}

TEST(ApplyGraphicSets, StoresTheTilesOfEachSetUntilTheNextOpen) {
    const test::TempDir dir;
    CGameRom rom = test::OpenedSample();
    EditGraphicSets sets = *rom.ExpandGraphicSets();
    sets[4].tiles[300].fill(2);
    sets[4].TakeTiles(sets[4].tiles);
    sets[0].tiles[5].fill(1);
    ASSERT_TRUE(rom.ApplyGraphicSets(sets));
    rom.SaveRom(dir.Path("saved.nes"));
    CGameRom reopened;
    reopened.LoadRom(dir.Path("saved.nes"));
    const EditGraphicSets stored = *reopened.ExpandGraphicSets();
    for (std::size_t set = 0; set < sets.size(); ++set) EXPECT_EQ(stored[set].tiles, sets[set].tiles) << set;
}

TEST(ApplyGraphicSets, RefusesWithoutChangingAnything) {
    const CGameRom& sample = test::OpenedSample();
    const EditGraphicSets edited = [&] {
        EditGraphicSets sets = *sample.ExpandGraphicSets();
        sets[0].rooms[0][0] = 3;
        sets[0].tiles[0].fill(1);
        return sets;
    }();
    const std::vector<std::pair<const char*, std::function<void(CGameRom&, EditGraphicSets&)>>> cases = {
        {"bonus level shown", [](CGameRom& rom, EditGraphicSets&) { rom.view.bonusMode = true; }},
        {"six sets", [](CGameRom&, EditGraphicSets& sets) { sets.pop_back(); }},
        {"65 rooms", [](CGameRom&, EditGraphicSets& sets) { sets[1].rooms.resize(65); }},
    };
    for (const auto& [name, spoil] : cases) {
        SCOPED_TRACE(name);
        CGameRom rom = sample;
        EditGraphicSets sets = edited;
        spoil(rom, sets);
        EXPECT_FALSE(rom.ApplyGraphicSets(sets));
        test::ExpectSameStoredModel(rom, sample);
        EXPECT_EQ(rom.allTiles, sample.allTiles);
    }
}

} // namespace
} // namespace tikaroo
