#include "render/picture_buffer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tikaroo {
namespace {

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

std::int32_t CountPixels(const PictureBuffer& picture, std::uint32_t colour) {
    return static_cast<std::int32_t>(
        std::count(picture.Data(), picture.Data() + picture.Width() * picture.Height(), colour));
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

} // namespace
} // namespace tikaroo
