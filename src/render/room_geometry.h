#pragma once

#include "game/model.h"

#include <cstdint>

namespace tikaroo {

// A room (kRoomWidth wide) is 4 columns by 11 rows of 32x32 blocks; its background steps move 8-pixel
// strips.
inline constexpr std::int32_t kRoomHeight = 352;
inline constexpr std::int32_t kRoomStripWidth = 8;
// Room pictures stand this far below the top of the canvas, before their background steps.
inline constexpr std::int32_t kRoomTopOnCanvas = 256;

// The game's tables keep heights and steps as signed bytes.
constexpr std::int32_t SignedByte(std::uint8_t value) {
    return static_cast<std::int8_t>(value);
}

} // namespace tikaroo
