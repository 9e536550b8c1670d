#pragma once

#include "picture_buffer.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The pictures of the block and tile dialogs, cut from the dialog strips.
namespace tikaroo {

// Grids of 16 x 16 cells of 32x32 pixels, 33 pixels apart.
inline constexpr std::int32_t kGridCellPitch = 33;
inline constexpr std::int32_t kGridCells = 16;
inline constexpr std::int32_t kGridPictureSize = kGridCells * kGridCellPitch;
inline constexpr std::int32_t kMagnifiedBlockSize = 128;

// Blocks 0 .. count - 1 of a block strip, block i at (33 (i mod 16), 33 (i div 16)) with a white line
// right of and below it, on black.
PictureBuffer BlockGridPicture(const PictureBuffer& blockStrip, std::size_t count);

// Block `block` of a block strip four times enlarged (128x128).
PictureBuffer MagnifiedBlockPicture(const PictureBuffer& blockStrip, std::size_t block);

// The 256 background tiles of a background tile strip in sub-palette `subPalette`, four times
// enlarged, tile t at (33 (t mod 16), 33 (t div 16)), on black.
PictureBuffer TileGridPicture(const PictureBuffer& tileStrip, std::uint8_t subPalette);

// Four 32-pixel columns of the four colours, 128x64.
PictureBuffer ColourColumnsPicture(const std::array<std::uint32_t, 4>& colours);

} // namespace tikaroo
