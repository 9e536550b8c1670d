#include "render/tile_sheet.h"
#include "support/tile_sheet_pictures.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

// The CLI and the tile import dialog read exported sheets back under an assignment; here a colour
// named twice or by none, and the sheets they must refuse.
TEST(TileSheet, SharedAndUnnamedColours) {
    PictureBuffer sheet(256, 128);
    for (std::int32_t x = 0; x < 4; ++x)
        sheet.FillRect({x, 0, x + 1, 128}, 0x101010U * static_cast<std::uint32_t>(x));
    sheet.FillRect({128, 0, 256, 128}, 0xFF0000);
    sheet.FillRect({129, 0, 132, 1}, 0x00FF00);
    sheet.FillRect({130, 0, 132, 1}, 0x0000FF);
    sheet.FillRect({131, 0, 132, 1}, 0xFFFFFF);
    const std::optional<SheetColours> colours = SheetColoursOf(sheet);
    ASSERT_TRUE(colours.has_value());
    // Left: values 0 and 1 both name source 0 (value 1 wins), source 1 is named by none (becomes 0).
    const std::vector<Tile> tiles = TilesFromSheet(sheet, *colours, {{{0, 0, 2, 3}, {0, 1, 2, 3}}});
    EXPECT_EQ((std::array{tiles[0][0], tiles[0][1], tiles[0][2], tiles[0][3]}),
              (std::array<std::uint8_t, 4>{1, 0, 2, 3}));
}

TEST(TileSheet, RefusesPicturesOfAnotherSizeOrColourCount) {
    const PictureBuffer good = DrawTileSheet(test::PatternedTiles(), test::kAscendingGreys);
    PictureBuffer fiveLeft = good;
    fiveLeft.SetPixel(5, 5, 0x123456);
    PictureBuffer twoRight = good;
    twoRight.FillRect({128, 0, 256, 128}, 0);
    twoRight.FillRect({128, 0, 130, 1}, 0x00FF00);
    PictureBuffer taller(256, 129);
    taller.CopyFrom(good, good.Bounds(), 0, 0);
    const std::vector<std::pair<const char*, const PictureBuffer*>> cases = {
        {"five colours on the left", &fiveLeft},
        {"two colours on the right", &twoRight},
        {"256x129", &taller}};
    for (const auto& [name, picture] : cases) EXPECT_FALSE(SheetColoursOf(*picture).has_value()) << name;
}

} // namespace
} // namespace tikaroo
