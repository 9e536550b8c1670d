#include "render/chr_banks.h"
#include "render/nes_colors.h"
#include "render/tile_drawing.h"
#include "rom/rom_error.h"
#include "support/error_text.h"
#include "tile_image.h"

#include <gtest/gtest.h>

#include <vector>

namespace tikaroo {
namespace {

using test::BlankTileImage;
using test::SolidTile;

TEST(NesColorSet, IndexesAboveTheSetUseTheirLowSixBits) {
    EXPECT_EQ(NesColour(0x41), NesColorSet[0x01]);
    EXPECT_EQ(NesColour(0xFF), NesColorSet[0x3F]);
    EXPECT_EQ(NesColour(0x96), NesColorSet[0x16]);
}

TEST(ChrBanks, SelectionFillsSlotsAndMapsPpuTiles) {
    CGameImage image = BlankTileImage();
    ASSERT_TRUE(SelectChrBanks(image, {9, 12, 20, 21, 40, 127}));
    // The 2 KB banks ignore their lowest bit.
    EXPECT_EQ(image.chrSlots, (std::array<std::uint8_t, 8>{8, 9, 12, 13, 20, 21, 40, 127}));
    EXPECT_EQ(image.ppuTileMap[0], 8 * 64);
    EXPECT_EQ(image.ppuTileMap[127], 9 * 64 + 63);
    EXPECT_EQ(image.ppuTileMap[128], 12 * 64);
    EXPECT_EQ(image.ppuTileMap[256], 20 * 64);
    EXPECT_EQ(image.ppuTileMap[384], 40 * 64);
    EXPECT_EQ(image.ppuTileMap[511], 127 * 64 + 63);
    EXPECT_EQ(LevelBankSet(3), (ChrBankSet{24, 26, 28, 29, 30, 31}));
    EXPECT_EQ(kBossBankSet, LevelBankSet(7));
}

TEST(ChrBanks, OutOfRangeNumbersAreRefusedWithoutChange) {
    CGameImage image = BlankTileImage();
    ASSERT_TRUE(SelectChrBanks(image, {126, 126, 127, 127, 127, 127}));
    const auto slots = image.chrSlots;
    const auto map = image.ppuTileMap;
    EXPECT_FALSE(SelectChrBanks(image, {127, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(SelectChrBanks(image, {0, 127, 0, 0, 0, 0}));
    for (std::size_t i = 2; i < 6; ++i) {
        ChrBankSet banks{0, 0, 0, 0, 0, 0};
        banks[i] = 128;
        EXPECT_FALSE(SelectChrBanks(image, banks)) << i;
    }
    EXPECT_EQ(image.chrSlots, slots);
    EXPECT_EQ(image.ppuTileMap, map);
}

TEST(TileDrawing, WithoutAPaletteTilesAreGreyAndTile512IsRefused) {
    CGameImage image = BlankTileImage();
    image.allTiles[5] = Tile{0, 1, 2, 3};
    image.ppuTileMap[300] = 5;
    PictureBuffer grey(8, 8);
    DrawPpuTile(grey, 0, 0, image, 300, nullptr, TileMode::Canvas);
    EXPECT_EQ(std::vector(grey.Data(), grey.Data() + 4),
              (std::vector<std::uint32_t>{0, 0x808080, 0xA0A0A0, 0xFFFFFF}));

    EXPECT_NO_THROW(DrawPpuTile(grey, 0, 0, image, 511, nullptr, TileMode::Dialog));
    EXPECT_EQ(
        test::ErrorText<RomError>([&] { DrawPpuTile(grey, 0, 0, image, 512, nullptr, TileMode::Dialog); }),
        "Invalid tile requested");
}

TEST(BlockDrawing, EachQuadrantTakesItsAttributeEntry) {
    CGameImage image = BlankTileImage();
    ASSERT_TRUE(SelectChrBanks(image, LevelBankSet(0)));
    // Background tile 7 (PPU tile 263) is solid colour 1; tile 8 solid colour 3.
    image.allTiles[image.ppuTileMap[256 + 7]] = SolidTile(1);
    image.allTiles[image.ppuTileMap[256 + 8]] = SolidTile(3);
    Block block;
    block.fill(7);
    block[15] = 8; // bottom-right tile
    const BlockAttributes attributes = {0, 1, 2, 3};
    const PaletteSet palette = {0x0F, 0x01, 0x11, 0x21, 0x0F, 0x02, 0x12, 0x22,
                                0x0F, 0x03, 0x13, 0x23, 0x0F, 0x04, 0x14, 0x24};
    PictureBuffer picture(32, 32);
    DrawBlock(picture, 0, 0, image, block, attributes, &palette);
    // Entry 3 (value 3) the top-left quadrant, 2 the top-right, 1 the bottom-left, 0 the bottom-right.
    const std::uint8_t quadrantColours[2][2] = {{0x04, 0x03}, {0x02, 0x01}};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(picture.Pixel(8 * column + 4, 8 * row + 4),
                      NesColorSet[row == 3 && column == 3 ? 0x21 : quadrantColours[row / 2][column / 2]])
                << row << "," << column;
}

} // namespace
} // namespace tikaroo
