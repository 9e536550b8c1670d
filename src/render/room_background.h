#pragma once

#include "picture_buffer.h"

#include <array>
#include <cstdint>
#include <span>

namespace tikaroo {

// A screen band mask as runs: every column darkens the rows above `clearFrom` and from `darkFrom` on
// with one pixel value (colour and alpha); the band between stays clear.
struct BandMaskProfile {
    std::array<std::int32_t, 128> clearFrom{};
    std::array<std::int32_t, 128> darkFrom{};
    std::uint32_t pixel = 0;
    std::int32_t height = 0;
    // Rows outside [firstMixedClear, lastMixedClear) and [firstMixedDark, lastMixedDark) are the same
    // across the whole width.
    std::int32_t firstMixedClear = 0;
    std::int32_t lastMixedClear = 0;
    std::int32_t firstMixedDark = 0;
    std::int32_t lastMixedDark = 0;
};

// Reads the profile of a mask made by MakeScreenBandMasks.
BandMaskProfile ProfileOf(const PictureBuffer& mask);

// One room's part of the background layer: the gradient, the room picture's 8-pixel strips at their
// background steps, and the screen band mask blended over both.
struct RoomBackground {
    const PictureBuffer* levelPicture = nullptr;
    std::int32_t pictureX = 0;                   // the room's column in the level picture
    std::array<std::int32_t, 16> stripOffsets{}; // vertical step of each strip
    std::int32_t top = 0;                        // where the room picture's top lands before its steps
    const BandMaskProfile* mask = nullptr;
    std::int32_t maskTop = 0;
};

// Writes the background of `rooms` (at x = 128 x their index) and the plain gradient right of them,
// `gradient` holding the colour of every canvas row. Each pixel is written once, row by row; the
// result equals filling the gradient, then copying each room's strips and blending its mask.
void DrawRoomBackgrounds(PictureBuffer& canvas, std::span<const std::uint32_t> gradient,
                         std::span<const RoomBackground> rooms);

} // namespace tikaroo
