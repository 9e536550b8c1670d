#pragma once

#include "picture_buffer.h"

#include <array>
#include <cstdint>

namespace tikaroo {

inline constexpr std::int32_t kBandMaskWidth = 128;
inline constexpr std::int32_t kBandMaskHeight = 928;
// The mask's lower darkened part starts this far below the upper part's end: the visible screen.
inline constexpr std::int32_t kScreenBandHeight = 240;
// Where a room's band bottom stands relative to the top of its mask, and the room picture's top.
inline constexpr std::int32_t kBandMaskAboveBandBottom = 320;

// Darkening masks for a room's screen band, by the room's scroll: 0 level, 1 up, 2 down. Black with
// alpha 200 above and below an undarkened band of 240 lines that rises (up) or falls (down) by 32
// pixels across the room; alpha 0 in the band.
using ScreenBandMasks = std::array<PictureBuffer, 3>;

ScreenBandMasks MakeScreenBandMasks();

// The mask of a room's scroll value; values above 2 use the level one.
const PictureBuffer& BandMaskOfScroll(const ScreenBandMasks& masks, std::uint8_t scroll);

} // namespace tikaroo
