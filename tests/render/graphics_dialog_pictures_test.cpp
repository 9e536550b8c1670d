#include "render/graphics_dialog_pictures.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

// A strip whose every pixel tells its place.
PictureBuffer NumberedStrip(std::int32_t width, std::int32_t height) {
    PictureBuffer strip(width, height);
    for (std::int32_t y = 0; y < height; ++y)
        for (std::int32_t x = 0; x < width; ++x)
            strip.SetPixel(x, y, static_cast<std::uint32_t>(y << 12 | x));
    return strip;
}

TEST(GraphicsDialogPictures, CellsComeFromTheirPlaceInTheStrip) {
    const PictureBuffer blocks = NumberedStrip(20 * 32, 32);
    const PictureBuffer grid = BlockGridPicture(blocks, 20);
    // Block 17 stands in row 1, column 1, with white right of and below it; block 20 is not drawn.
    EXPECT_EQ(grid.Pixel(33 + 5, 33 + 6), blocks.Pixel(17 * 32 + 5, 6));
    EXPECT_EQ(grid.Pixel(33 + 32, 33 + 6), 0xFFFFFFU);
    EXPECT_EQ(grid.Pixel(33 + 6, 33 + 32), 0xFFFFFFU);
    EXPECT_EQ(grid.Pixel(4 * 33 + 5, 33 + 6), 0U);

    const PictureBuffer magnified = MagnifiedBlockPicture(blocks, 3);
    EXPECT_EQ(magnified.Pixel(4 * 7 + 3, 4 * 30 + 2), blocks.Pixel(3 * 32 + 7, 30));

    const PictureBuffer tiles = NumberedStrip(256 * 8, 32);
    const PictureBuffer tileGrid = TileGridPicture(tiles, 2);
    EXPECT_EQ(tileGrid.Pixel(33 * 3 + 4 * 5 + 1, 33 * 2 + 4 * 6),
              tiles.Pixel((2 * 16 + 3) * 8 + 5, 2 * 8 + 6));
}

} // namespace
} // namespace tikaroo
