#include "render/block_cache.h"
#include "render/chr_banks.h"
#include "render/dialog_strips.h"
#include "render/nes_colors.h"
#include "render/palette_zones.h"
#include "tile_image.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

using test::BlankTileImage;
using test::SolidTile;

PaletteSet TestPalette(std::uint8_t base) {
    PaletteSet palette;
    for (std::size_t i = 0; i < palette.size(); ++i)
        palette[i] = i % 4 == 0 ? 0x0F : static_cast<std::uint8_t>(base + i);
    return palette;
}

GameTables TablesWithUpdater(std::vector<PaletteModifier> modifiers) {
    GameTables tables;
    tables.paletteSets.assign(kPaletteSetCount, TestPalette(0x10));
    tables.paletteSets[2] = TestPalette(0x00);
    tables.paletteUpdaters[4].modifiers = std::move(modifiers);
    return tables;
}

TEST(PaletteZones, ModifiersAccumulateAndAnEntryBeyondSubPalette3EndsItsModifier) {
    const GameTables tables = TablesWithUpdater({
        {5, 1, {{1, 0x21, 0x22, 0x23}}},
        {9, 3, {{2, 0x31, 0x32, 0x33}, {4, 0x01, 0x01, 0x01}, {0, 0x2A, 0x2B, 0x2C}}},
        {12, 1, {{7, 0x05, 0x05, 0x05}, {3, 0x05, 0x05, 0x05}}},
    });
    Level level;
    level.paletteSet = 2;
    level.paletteUpdater = 4;
    const std::vector<PaletteZone> zones = BuildPaletteZones(tables, level);
    ASSERT_EQ(zones.size(), 4u);
    EXPECT_EQ(zones[0].startRoom, 0);
    EXPECT_EQ(zones[0].colours, tables.paletteSets[2]);

    PaletteSet expected = tables.paletteSets[2];
    expected[5] = 0x21;
    expected[6] = 0x22;
    expected[7] = 0x23;
    EXPECT_EQ(zones[1].startRoom, 5);
    EXPECT_EQ(zones[1].colours, expected);

    // The entry of sub-palette 4 stops the modifier: sub-palette 0 keeps its colours.
    expected[9] = 0x31;
    expected[10] = 0x32;
    expected[11] = 0x33;
    EXPECT_EQ(zones[2].startRoom, 9);
    EXPECT_EQ(zones[2].colours, expected);

    // A first entry of sub-palette 7 still makes a zone, with the previous colours.
    EXPECT_EQ(zones[3].startRoom, 12);
    EXPECT_EQ(zones[3].colours, expected);
}

TEST(PaletteZones, NoUpdaterGivesOneZone) {
    const GameTables tables = TablesWithUpdater({{5, 1, {{1, 0x21, 0x22, 0x23}}}});
    Level level;
    level.paletteUpdater = kNoPaletteUpdater;
    EXPECT_EQ(BuildPaletteZones(tables, level).size(), 1u);
    level.paletteUpdater = 6; // names no updater
    EXPECT_EQ(BuildPaletteZones(tables, level).size(), 1u);
    EXPECT_EQ(ZoneOfRoom(BuildPaletteZones(tables, level), 40), 0u);
}

TEST(PaletteZones, ZoneOfRoomTakesTheLastMatchingZone) {
    std::vector<PaletteZone> zones(4);
    zones[1].startRoom = 10;
    zones[2].startRoom = 20;
    zones[3].startRoom = 5; // unsorted
    EXPECT_EQ(ZoneOfRoom(zones, 0), 0u);
    EXPECT_EQ(ZoneOfRoom(zones, 4), 0u);
    EXPECT_EQ(ZoneOfRoom(zones, 5), 3u);
    EXPECT_EQ(ZoneOfRoom(zones, 25), 3u);
    zones.pop_back();
    EXPECT_EQ(ZoneOfRoom(zones, 10), 1u);
    EXPECT_EQ(ZoneOfRoom(zones, 19), 1u);
    EXPECT_EQ(ZoneOfRoom(zones, 20), 2u);
}

// One graphic set (id 1) of two blocks; the level banks show its block tile 0 as colour 1 and the
// boss banks as colour 2.
struct CacheScene {
    CGameImage image = BlankTileImage();
    GameTables tables;
    LevelSet levelSet;
    std::vector<PaletteZone> zones;

    CacheScene() {
        SelectChrBanks(image, LevelBankSet(1));
        image.allTiles[image.ppuTileMap[256]] = SolidTile(1);
        SelectChrBanks(image, kBossBankSet);
        image.allTiles[image.ppuTileMap[256]] = SolidTile(2);
        GraphicSet graphicSet;
        graphicSet.id = 1;
        graphicSet.blocks.assign(2, Block{});
        graphicSet.attributes = {{0, 0, 0, 0}, {1, 1, 1, 1}};
        tables.graphicSets[1] = graphicSet;
        levelSet.attributes = 0x10;
        zones.resize(2);
        zones[0].colours = TestPalette(0x00);
        zones[1].colours = TestPalette(0x20);
    }
};

TEST(BlockCache, HoldsEveryBlockPerZone) {
    CacheScene scene;
    PictureBuffer cache;
    BuildBlockCache(cache, scene.image, scene.tables, scene.levelSet, 0, scene.zones);
    EXPECT_EQ(cache.Width(), 2 * 8192);
    EXPECT_EQ(cache.Height(), 64);
    EXPECT_EQ(cache.Pixel(5, 5), NesColour(0x01));             // zone 0, block 0, sub-palette 0
    EXPECT_EQ(cache.Pixel(32 + 5, 5), NesColour(0x05));        // zone 0, block 1, sub-palette 1
    EXPECT_EQ(cache.Pixel(8192 + 5, 5), NesColour(0x21));      // zone 1, block 0
    EXPECT_EQ(cache.Pixel(8192 + 32 + 5, 5), NesColour(0x25)); // zone 1, block 1
    EXPECT_EQ(cache.Pixel(64 + 5, 5), 0u);                     // no block 2
    EXPECT_EQ(CachedBlock(1, 1, true), (PictureRect{8192 + 32, 32, 8192 + 64, 64}));
    // The banks stay on the level's set.
    EXPECT_EQ(scene.image.chrSlots[0], 8);

    // Zones from rooms past the last a level set has are never drawn from, and not cached.
    PaletteZone beyond = scene.zones[1];
    beyond.startRoom = 64;
    scene.zones.resize(256, beyond);
    BuildBlockCache(cache, scene.image, scene.tables, scene.levelSet, 0, scene.zones);
    EXPECT_EQ(cache.Width(), 2 * 8192);
}

TEST(DialogStrips, TileBlockAndRoomStripsPlaceTheirCells) {
    std::vector<Tile> tiles(512, SolidTile(0));
    tiles[256 + 3] = SolidTile(2);
    const std::vector<PaletteSet> palettes = {TestPalette(0x00), TestPalette(0x20)};

    EXPECT_TRUE(TileStrip(std::span(tiles).first(511), palettes, 0, false).Empty());
    EXPECT_TRUE(TileStrip(tiles, palettes, 2, false).Empty());
    EXPECT_EQ(TileStrip(tiles, palettes, 1, true).Width(), 4096);
    const PictureBuffer tileStrip = TileStrip(tiles, palettes, 1, false);
    ASSERT_EQ(tileStrip.Width(), 2048);
    ASSERT_EQ(tileStrip.Height(), 32);
    EXPECT_EQ(tileStrip.Pixel(3 * 8 + 1, 2 * 8 + 1), NesColour(0x2A)); // sub-palette 2, colour 2
    EXPECT_EQ(tileStrip.Pixel(1, 1), NesColour(0x0F));                 // dialog mode draws colour 0

    // Block 1: tile 3 in its bottom-right quarter, which byte 16 colours.
    std::vector<EditBlock> blocks(2, EditBlock{});
    blocks[1][15] = 3;
    blocks[1][16] = 3;
    const PictureBuffer blockStrip = BlockStrip(blocks, tiles, palettes, 1);
    ASSERT_EQ(blockStrip.Width(), 64);
    EXPECT_EQ(blockStrip.Pixel(32 + 28, 28), NesColour(0x2E));
    EXPECT_EQ(blockStrip.Pixel(32 + 4, 4), NesColour(0x0F));
    EXPECT_TRUE(BlockStrip({}, tiles, palettes, 1).Empty());

    std::vector<RoomGrid> rooms(2, RoomGrid{});
    rooms[1][10 * 4 + 2] = 1; // row 10, column 2
    PictureBuffer roomStrip = RoomStrip(rooms, blockStrip);
    ASSERT_EQ(roomStrip.Width(), 256);
    ASSERT_EQ(roomStrip.Height(), 352);
    EXPECT_EQ(roomStrip.Pixel(128 + 64 + 28, 320 + 28), NesColour(0x2E));
    EXPECT_EQ(roomStrip.Pixel(64 + 28, 320 + 28), NesColour(0x0F));

    // Redrawing one room touches only its column.
    rooms[0][0] = 1;
    rooms[1][10 * 4 + 2] = 0;
    DrawStripRoom(roomStrip, rooms, blockStrip, 0);
    EXPECT_EQ(roomStrip.Pixel(28, 28), NesColour(0x2E));
    EXPECT_EQ(roomStrip.Pixel(128 + 64 + 28, 320 + 28), NesColour(0x2E));
    DrawStripRoom(roomStrip, rooms, blockStrip, 2);
}

TEST(DialogStrips, PatternTableWriteBackGoesThroughTheTileMap) {
    CGameImage image = BlankTileImage();
    ASSERT_TRUE(SelectChrBanks(image, LevelBankSet(2)));
    std::vector<Tile> table(512, SolidTile(0));
    table[0] = SolidTile(1);
    table[300] = SolidTile(3);
    WriteBackPatternTable(image, std::span(table).first(511));
    EXPECT_EQ(image.allTiles[2 * 512], SolidTile(0));
    WriteBackPatternTable(image, table);
    EXPECT_EQ(image.allTiles[2 * 512], SolidTile(1));
    EXPECT_EQ(image.allTiles[2 * 512 + 300], SolidTile(3));
    EXPECT_EQ(image.allTiles[300], SolidTile(0));
}

} // namespace
} // namespace tikaroo
