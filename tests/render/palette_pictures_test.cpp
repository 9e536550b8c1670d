// The captions of the palette dialogs and the box grids they are laid out on; the golden pictures hold
// the rest.
#include "render/palette_pictures.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

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

TEST(PalettePictures, CaptionsNameTheSelectedEntry) {
    const PaletteGrid colours = {0x0F, 0x21, 0x16, 0x30, 0x0F, 0x01, 0x02, 0x03,
                                 0x40, 0x40, 0x40, 0x40, 0x0F, 0x3F, 0x00, 0x2A};
    EXPECT_EQ(ModifierCaption(colours, 9), "<NOT USED>");
    EXPECT_EQ(ModifierCaption(colours, 15), "Attr: 3,\r\nId: 3, Color: 2A");
    EXPECT_EQ(PaletteCaption(12, 6, 0x02), "Palette: 12, Attr: 1,\r\nId: 2, Color: 02");
}

} // namespace
} // namespace tikaroo
