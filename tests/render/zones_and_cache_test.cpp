#include "render/block_cache.h"
#include "render/chr_banks.h"
#include "render/dialog_strips.h"
#include "render/nes_colors.h"
#include "render/palette_zones.h"
#include "tile_image.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// The goldens hold the zones an updater gives; a missing updater gives none.
TEST(PaletteZones, LevelsWithoutAnUpdaterHaveOneZone) {
    GameTables tables;
    tables.paletteUpdaters[kNoPaletteUpdater].modifiers = {{5, 1, {{1, 0x21, 0x22, 0x23}}}};
    Level level;
    for (const std::uint8_t none : {kNoPaletteUpdater, std::uint8_t{6}}) {
        level.paletteUpdater = none;
        EXPECT_EQ(BuildPaletteZones(tables, level).size(), 1u);
    }
}

// Modifiers read from a file need not ascend; the goldens cover the ascending ones.
TEST(PaletteZones, ZoneOfRoomTakesTheLastMatchingZoneEvenUnsorted) {
    std::vector<PaletteZone> zones(4);
    zones[1].startRoom = 10;
    zones[2].startRoom = 20;
    zones[3].startRoom = 5;
    EXPECT_EQ(ZoneOfRoom(zones, 4), 0u);
    EXPECT_EQ(ZoneOfRoom(zones, 5), 3u);
    EXPECT_EQ(ZoneOfRoom(zones, 25), 3u);
}

// An updater read from a damaged image can hold 256 modifiers: zones starting past the last room are
// never drawn from and not cached. The goldens hold the cached pictures.
TEST(BlockCache, ZonesFromRoomsPastTheLastAreNotCached) {
    std::vector<PaletteZone> zones(256);
    for (std::size_t zone = 2; zone < zones.size(); ++zone) zones[zone].startRoom = 64;
    CGameImage image = BlankTileImage();
    PictureBuffer cache;
    BuildBlockCache(cache, image, GameTables{}, LevelSet{}, 0, zones);
    EXPECT_EQ(cache.Width(), 2 * 8192);
}

TEST(DialogStrips, ShortTablesAndMissingPalettesGiveEmptyStripsAndRoomsBeyondTheListAreSkipped) {
    std::vector<Tile> tiles(512, SolidTile(0));
    const std::vector<PaletteSet> palettes = {TestPalette(0x00), TestPalette(0x20)};
    EXPECT_TRUE(TileStrip(std::span(tiles).first(511), palettes, 0, false).Empty());
    EXPECT_TRUE(TileStrip(tiles, palettes, 2, false).Empty());
    EXPECT_TRUE(BlockStrip({}, tiles, palettes, 1).Empty());

    std::vector<EditBlock> blocks(2, EditBlock{});
    blocks[1].fill(3);
    const PictureBuffer blockStrip = BlockStrip(blocks, tiles, palettes, 1);
    std::vector<RoomGrid> rooms(2, RoomGrid{});
    PictureBuffer roomStrip = RoomStrip(rooms, blockStrip);
    rooms[0][0] = 1;
    rooms[1][0] = 1;
    const PictureBuffer before = roomStrip;
    DrawStripRoom(roomStrip, rooms, blockStrip, 2);
    EXPECT_TRUE(std::equal(before.Data(), before.Data() + 256 * 352, roomStrip.Data()));
    DrawStripRoom(roomStrip, rooms, blockStrip, 0); // redraws only its own column
    EXPECT_EQ(roomStrip.Pixel(28, 28), NesColour(0x2E));
    EXPECT_EQ(roomStrip.Pixel(128 + 28, 28), before.Pixel(128 + 28, 28));
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
