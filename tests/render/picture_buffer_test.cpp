#include "render/picture_buffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace tikaroo {
namespace {

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

std::int32_t CountPixels(const PictureBuffer& picture, std::uint32_t colour) {
    return static_cast<std::int32_t>(
        std::count(picture.Data(), picture.Data() + picture.Width() * picture.Height(), colour));
}

TEST(PictureBuffer, StartsBlackWithPackedRowsAndEmptyForZeroSize) {
    PictureBuffer picture(5, 3);
    EXPECT_EQ(picture.Stride(), 20u);
    EXPECT_EQ(CountPixels(picture, 0), 15);
    picture.Row(2)[4] = kRed;
    // Rows lie back to back so a toolkit image can wrap the memory.
    EXPECT_EQ(picture.Data()[2 * 5 + 4], kRed);
    EXPECT_EQ(picture.Pixel(4, 2), kRed);

    EXPECT_TRUE(PictureBuffer(0, 10).Empty());
    EXPECT_TRUE(PictureBuffer(10, 0).Empty());
    EXPECT_FALSE(picture.Resize(5, 3));
    EXPECT_TRUE(picture.Resize(2, 2));
    EXPECT_EQ(CountPixels(picture, 0), 4);
}

TEST(PictureBuffer, CopiesClipAtEveryEdge) {
    PictureBuffer source(4, 4);
    for (std::int32_t y = 0; y < 4; ++y)
        for (std::int32_t x = 0; x < 4; ++x)
            source.SetPixel(x, y, static_cast<std::uint32_t>(0x100 + 16 * y + x));
    PictureBuffer target(4, 4);
    target.Fill(kWhite);
    // Target partly off the top-left corner: only source pixels (2..3, 1..3) land, at (0..1, 0..2).
    target.CopyFrom(source, {0, 0, 4, 4}, -2, -1);
    EXPECT_EQ(target.Pixel(0, 0), 0x100u + 16 + 2);
    EXPECT_EQ(target.Pixel(1, 2), 0x100u + 48 + 3);
    EXPECT_EQ(target.Pixel(2, 0), kWhite);
    EXPECT_EQ(target.Pixel(0, 3), kWhite);

    // Source area partly outside the source moves the target along.
    PictureBuffer second(4, 4);
    second.CopyFrom(source, {-1, -1, 2, 2}, 0, 0);
    EXPECT_EQ(second.Pixel(0, 0), 0u);
    EXPECT_EQ(second.Pixel(1, 1), 0x100u);
    EXPECT_EQ(second.Pixel(2, 2), 0x100u + 16 + 1);
    EXPECT_EQ(second.Pixel(3, 3), 0u);

    // Entirely outside: nothing happens.
    second.CopyFrom(source, {0, 0, 4, 4}, 10, 0);
    second.CopyFrom(source, {0, 0, 4, 4}, 0, -10);
    EXPECT_EQ(CountPixels(second, 0), 12);
}

TEST(PictureBuffer, KeyedCopyLeavesKeyPixelsOutAndBlendingFollowsTheSourceAlphaByte) {
    PictureBuffer source(3, 1);
    source.Fill(kKeyColour);
    source.SetPixel(1, 0, kRed);
    PictureBuffer keyed(3, 1);
    keyed.Fill(kWhite);
    keyed.CopyKeyedFrom(source, source.Bounds(), 0, 0);
    EXPECT_EQ(std::vector(keyed.Data(), keyed.Data() + 3),
              (std::vector<std::uint32_t>{kWhite, kRed, kWhite}));

    PictureBuffer mask(3, 1);
    mask.SetPixel(0, 0, 0x00000000);  // transparent
    mask.SetPixel(1, 0, 0xC8000000);  // black, alpha 200: 255 x (255 - 200) / 255 = 55 per channel
    mask.SetPixel(2, 0, 0xFF00FF00u); // opaque green
    PictureBuffer blended(3, 1);
    blended.Fill(kWhite);
    blended.BlendFrom(mask, mask.Bounds(), 0, 0);
    EXPECT_EQ(std::vector(blended.Data(), blended.Data() + 3),
              (std::vector<std::uint32_t>{kWhite, 0x373737u, 0x00FF00u}));
}

TEST(PictureBuffer, MixRoundsEveryChannelToNearest) {
    for (std::uint32_t alpha : {1u, 55u, 128u, 200u, 254u, 255u}) {
        for (std::uint32_t over = 0; over < 256; ++over) {
            for (std::uint32_t under = 0; under < 256; ++under) {
                const std::uint32_t expected = (over * alpha + under * (255 - alpha) + 127) / 255;
                // The value in red, a neighbour in green and blue, so lanes must not bleed.
                const std::uint32_t mixed = MixPixel(over << 16 | 0xFF00 | under, under << 16 | over, alpha);
                ASSERT_EQ(mixed >> 16, expected) << alpha << " " << over << " " << under;
                ASSERT_EQ(mixed & 0xFF, (under * alpha + over * (255 - alpha) + 127) / 255);
                ASSERT_EQ((mixed >> 8) & 0xFF, (255 * alpha + 127) / 255);
            }
        }
    }
}

TEST(PictureBuffer, VerticalGradientRunsFromTopToBottomColour) {
    PictureBuffer picture(2, 31);
    picture.FillVerticalGradient(0x202020, 0x505050);
    EXPECT_EQ(picture.Pixel(1, 0), 0x202020u);
    EXPECT_EQ(picture.Pixel(0, 30), 0x505050u);
    EXPECT_EQ(picture.Pixel(0, 15), 0x383838u);
    for (std::int32_t y = 1; y < 31; ++y) EXPECT_GE(picture.Pixel(0, y), picture.Pixel(0, y - 1));
}

TEST(PictureBuffer, SolidLinesAreThreePixelsWideAndLeaveTheirEndPointOut) {
    PictureBuffer picture(20, 10);
    picture.DrawLine({2, 5}, {12, 5}, kRed);
    for (std::int32_t x = 2; x <= 11; ++x) {
        EXPECT_EQ(picture.Pixel(x, 4), kRed) << x;
        EXPECT_EQ(picture.Pixel(x, 6), kRed) << x;
    }
    EXPECT_EQ(picture.Pixel(1, 5), 0u);
    EXPECT_EQ(picture.Pixel(12, 5), 0u);
    EXPECT_EQ(picture.Pixel(5, 3), 0u);
    EXPECT_EQ(CountPixels(picture, kRed), 10 * 3);

    // A steep line is three pixels wide across.
    PictureBuffer steep(10, 20);
    steep.DrawLine({5, 2}, {6, 12}, kRed);
    EXPECT_EQ(steep.Pixel(4, 2), kRed);
    EXPECT_EQ(steep.Pixel(6, 2), kRed);
    EXPECT_EQ(steep.Pixel(5, 1), 0u);
    EXPECT_EQ(CountPixels(steep, kRed), 10 * 3);

    // A polyline turns its corner with a square join.
    PictureBuffer corner(20, 20);
    const std::array<PicturePoint, 3> points = {{{2, 2}, {10, 2}, {10, 10}}};
    corner.DrawPolyline(points, kWhite, PenStyle::Solid);
    for (std::int32_t y = 1; y <= 9; ++y) EXPECT_EQ(corner.Pixel(10, y), kWhite) << y;
    EXPECT_EQ(corner.Pixel(11, 1), kWhite);
    EXPECT_EQ(corner.Pixel(10, 10), 0u);
    EXPECT_EQ(corner.Pixel(12, 5), 0u);
    EXPECT_EQ(corner.Pixel(1, 2), 0u);
}

TEST(PictureBuffer, DashDotDotLeavesGapsBetweenDashAndDots) {
    PictureBuffer picture(200, 5);
    picture.DrawLine({5, 2}, {195, 2}, kRed, PenStyle::DashDotDot);
    // Walk the centre row and collect the lengths of the lit runs.
    std::vector<std::int32_t> runs;
    std::int32_t length = 0;
    for (std::int32_t x = 0; x < 200; ++x) {
        if (picture.Pixel(x, 2) == kRed) {
            ++length;
        } else if (length > 0) {
            runs.push_back(length);
            length = 0;
        }
    }
    ASSERT_GE(runs.size(), 6u);
    // A long dash followed by two short dots, over and over.
    EXPECT_GT(runs[0], 2 * runs[1]);
    EXPECT_EQ(runs[1], runs[2]);
    EXPECT_EQ(runs[3], runs[0]);
    EXPECT_EQ(runs[4], runs[1]);
    EXPECT_EQ(picture.Pixel(5 + runs[0], 2), 0u);
    EXPECT_EQ(picture.Pixel(4 + runs[0], 2), kRed);
}

TEST(PictureBuffer, CirclesAreRoundFilledAndOutlined) {
    PictureBuffer picture(20, 20);
    picture.FillCircle({10, 10}, 8, kRed, kWhite);
    // Diameter 8 centred on (10, 10) spans pixels 6..13 in both directions.
    EXPECT_EQ(picture.Pixel(10, 10), kRed);
    EXPECT_EQ(picture.Pixel(6, 10), kWhite);
    EXPECT_EQ(picture.Pixel(13, 10), kWhite);
    EXPECT_EQ(picture.Pixel(10, 6), kWhite);
    EXPECT_EQ(picture.Pixel(10, 13), kWhite);
    EXPECT_EQ(picture.Pixel(5, 10), 0u);
    EXPECT_EQ(picture.Pixel(14, 10), 0u);
    EXPECT_EQ(picture.Pixel(6, 6), 0u); // the corner of the square stays out
    // Symmetric about the centre.
    for (std::int32_t d = 0; d < 8; ++d)
        for (std::int32_t e = 0; e < 8; ++e)
            EXPECT_EQ(picture.Pixel(6 + d, 6 + e), picture.Pixel(13 - d, 13 - e));

    PictureBuffer ring(20, 20);
    ring.DrawEllipse({6, 6, 14, 14}, kWhite);
    EXPECT_EQ(ring.Pixel(10, 10), 0u);
    EXPECT_EQ(ring.Pixel(6, 10), kWhite);
    EXPECT_EQ(CountPixels(ring, kWhite), CountPixels(picture, kWhite));
}

TEST(PictureBuffer, RectangleFrameIsCentredOnTheOutline) {
    PictureBuffer picture(20, 20);
    picture.DrawRectangle({5, 5, 15, 12}, kWhite, 3);
    // Outline pixels are 5..14 and 5..11; a 3-pixel pen covers one pixel either side.
    EXPECT_EQ(picture.Pixel(4, 8), kWhite);
    EXPECT_EQ(picture.Pixel(6, 8), kWhite);
    EXPECT_EQ(picture.Pixel(7, 8), 0u);
    EXPECT_EQ(picture.Pixel(15, 8), kWhite);
    EXPECT_EQ(picture.Pixel(16, 8), 0u);
    EXPECT_EQ(picture.Pixel(10, 12), kWhite);
    EXPECT_EQ(picture.Pixel(10, 13), 0u);
    EXPECT_EQ(picture.Pixel(4, 4), kWhite);

    PictureBuffer thin(20, 20);
    thin.DrawRectangle({5, 5, 15, 12}, kWhite);
    EXPECT_EQ(CountPixels(thin, kWhite), 2 * 10 + 2 * 5);
}

TEST(PictureBuffer, FocusRectangleInvertsEveryOtherPixelAndUndoesItself) {
    PictureBuffer picture(12, 12);
    picture.Fill(0x123456);
    picture.DrawFocusRect({2, 2, 10, 8});
    EXPECT_EQ(picture.Pixel(2, 2), 0x123456u ^ 0xFFFFFFu);
    EXPECT_EQ(picture.Pixel(3, 2), 0x123456u);
    EXPECT_EQ(picture.Pixel(5, 5), 0x123456u); // inside untouched
    // Perimeter 2 x 8 + 2 x 4 = 24 outline pixels, half of them inverted.
    EXPECT_EQ(CountPixels(picture, 0x123456u ^ 0xFFFFFFu), 12);
    picture.DrawFocusRect({2, 2, 10, 8});
    EXPECT_EQ(CountPixels(picture, 0x123456u), 144);
}

} // namespace
} // namespace tikaroo
