// The pictures of the palette dialogs and the box grids they are laid out on.
#include "render/nes_colors.h"
#include "render/palette_pictures.h"

#include <gtest/gtest.h>

#include <set>

namespace tikaroo {
namespace {

std::set<std::uint32_t> ColoursIn(const PictureBuffer& picture, PictureRect rect) {
    std::set<std::uint32_t> colours;
    for (std::int32_t y = rect.top; y < rect.bottom; ++y)
        for (std::int32_t x = rect.left; x < rect.right; ++x) colours.insert(picture.Pixel(x, y));
    return colours;
}

PictureRect Inside(PictureRect box) {
    return {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
}

TEST(BoxGrid, PointsAndArrowStepsStayOnTheGrid) {
    struct Case {
        const char* name;
        std::optional<std::int32_t> got, expected;
    };
    const Case cases[] = {
        {"first box", kPaletteGrid.IndexAt({7, 7}), 0},
        {"gap after a box", kPaletteGrid.IndexAt({39, 41}), 0},
        {"second row", kPaletteGrid.IndexAt({40, 42}), 5},
        {"left of the grid", kPaletteGrid.IndexAt({6, 50}), std::nullopt},
        {"right of the grid", kPaletteGrid.IndexAt({7 + 4 * 33, 7}), std::nullopt},
        {"last colour", kColourGrid.IndexAt({7 + 32 * 15 + 31, 7 + 32 * 3 + 31}), 63},
        {"below the colours", kColourGrid.IndexAt({7, 7 + 32 * 4}), std::nullopt},
        {"last room", kUpdaterRoomGrid.IndexAt({7 + 36 * 63, 27}), 63},
        {"step down", kPaletteGrid.Step(2, 0, 1), 6},
        {"step off the left", kPaletteGrid.Step(4, -1, 0), std::nullopt},
        {"step off the bottom", kColourGrid.Step(50, 0, 1), std::nullopt},
        {"step past the last room", kUpdaterRoomGrid.Step(63, 1, 0), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.got, c.expected);
    }
}

TEST(PalettePictures, GridsShowColoursBackgroundMarksAndUnsetRows) {
    PaletteGrid colours = {0x0F, 0x21, 0x16, 0x30, 0x0F, 0x01, 0x02, 0x03,
                           0x40, 0x40, 0x40, 0x40, 0x0F, 0x3F, 0x00, 0x2A};
    const PictureBuffer palette = PaletteGridPicture(colours, PaletteGridStyle::Palette, "");
    const PictureBuffer modifier = PaletteGridPicture(colours, PaletteGridStyle::Modifier, "");
    ASSERT_EQ(palette.Width(), 182);
    ASSERT_EQ(palette.Height(), 190);
    const PictureRect box1 = kPaletteGrid.Box(1);
    EXPECT_EQ(ColoursIn(palette, Inside(box1)), std::set<std::uint32_t>{NesColour(0x21)});
    EXPECT_EQ(palette.Pixel(box1.left, box1.top), 0x505050U);
    EXPECT_EQ(modifier.Pixel(box1.left, box1.top), 0xFFFFFFU);
    const std::set<std::uint32_t> text = {kDialogBackground, kDialogText};
    EXPECT_EQ(ColoursIn(palette, kPaletteGrid.Box(4)), text);  // "BG"
    EXPECT_EQ(ColoursIn(modifier, kPaletteGrid.Box(9)), text); // "X"
    EXPECT_EQ(ColoursIn(modifier, kPaletteGrid.Box(8)), text);
    EXPECT_EQ(ModifierCaption(colours, 9), "<NOT USED>");
    EXPECT_EQ(ModifierCaption(colours, 15), "Attr: 3,\r\nId: 3, Color: 2A");
    EXPECT_EQ(PaletteCaption(12, 6, 0x02), "Palette: 12, Attr: 1,\r\nId: 2, Color: 02");
}

TEST(PalettePictures, ColourChooserShowsTheSixtyFourColours) {
    const PictureBuffer picture = ColourChooserPicture(0x2A);
    ASSERT_EQ(picture.Width(), 526);
    for (std::int32_t colour = 0; colour < 64; ++colour) {
        SCOPED_TRACE(colour);
        EXPECT_EQ(ColoursIn(picture, Inside(kColourGrid.Box(colour))),
                  std::set<std::uint32_t>{NesColour(static_cast<std::uint8_t>(colour))});
    }
}

TEST(PalettePictures, UpdaterRoomsFrameModifierRoomsGreenAndShowTheColoursInForce) {
    PaletteUpdater updater{{{.key = 2, .count = 1, .entries = {{1, 0x21, 0x22, 0x23}}}}};
    const PictureBuffer picture = UpdaterRoomsPicture(UpdaterRoomEffects(updater));
    const PictureRect last = kUpdaterRoomGrid.Box(63);
    EXPECT_EQ(picture.Width(), last.right + 7);
    EXPECT_EQ(picture.Pixel(kUpdaterRoomGrid.Box(2).left, 27), 0x00FF00U);
    EXPECT_EQ(picture.Pixel(kUpdaterRoomGrid.Box(1).left, 27), 0x808080U);
    for (const std::int32_t room : {1, 2, 63}) {
        SCOPED_TRACE(room);
        const PictureRect box = kUpdaterRoomGrid.Box(room);
        const PictureRect subPaletteOne = {box.left + 2, box.top + 10, box.left + 34, box.top + 18};
        const std::set<std::uint32_t> expected =
            room < 2
                ? std::set<std::uint32_t>{kDialogBackground}
                : std::set<std::uint32_t>{NesColour(0x0F), NesColour(0x21), NesColour(0x22), NesColour(0x23)};
        EXPECT_EQ(ColoursIn(picture, subPaletteOne), expected);
    }
}

} // namespace
} // namespace tikaroo
