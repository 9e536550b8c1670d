#pragma once

#include "bytes.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tikaroo {

// A decoded 8x8 tile: 64 pixel values 0-3, rows top to bottom, each row left to right.
using Tile = std::array<std::uint8_t, 64>;

inline constexpr std::size_t kPackedTileSize = 16;

// `packed` points at the 16 bytes of one tile: plane 0 of rows 0-7, then plane 1 of rows 0-7.
Tile DecodeTile(const std::uint8_t* packed);
void EncodeTile(const Tile& tile, std::uint8_t* packed);

} // namespace tikaroo
