#include "game/game_rom.h"

#include <gtest/gtest.h>

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

    const std::optional<EditGraphicSets> sets = rom.ExpandGraphicSets();
    ASSERT_TRUE(sets.has_value());
    ASSERT_EQ(sets->size(), kGraphicSetCount);
    const EditGraphicSet& edit = (*sets)[2];
    EXPECT_EQ(edit.used, 1U);
    EXPECT_TRUE(edit.Present());
    EXPECT_FALSE((*sets)[0].Present());
    ASSERT_EQ(edit.tiles.size(), kPpuTileCount);
    EXPECT_EQ(edit.tiles[7][0], 3);
    EXPECT_EQ((*sets)[1].tiles[7][0], 0);

    ASSERT_EQ(edit.rooms.size(), 2U);
    // Row by row: top lines give rows 0-5, bottom lines rows 6-10; column 3 names nothing.
    const RoomGrid room0 = {2, 0, 2, 0, 2, 0, 2, 0, 2, 0, 2, 0, 2, 0, 2, 0, 1, 0, 1, 0, 1, 1,
                            1, 0, 0, 1, 0, 0, 1, 2, 1, 0, 1, 2, 1, 0, 1, 2, 1, 0, 1, 2, 1, 0};
    EXPECT_EQ(edit.rooms[0], room0);
    ASSERT_EQ(edit.blocks.size(), 3U);
    EXPECT_EQ(edit.blocks[1], (EditBlock{1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 3, 3, 3}));
    EXPECT_EQ(edit.blocks[2], (EditBlock{4, 5, 6}));
}

TEST(ExpandGraphicSets, RefusesWhileABonusLevelIsShown) {
    CGameRom rom;
    rom.graphicSets[0] = TwoRoomSet();
    rom.view.bonusMode = true;
    EXPECT_FALSE(rom.ExpandGraphicSets().has_value());
}

} // namespace
} // namespace tikaroo
