#pragma once

#include "game/model.h"
#include "picture_buffer.h"
#include "rom/tile.h"

#include <array>
#include <cstdint>

namespace tikaroo {

class CGameImage;

using SubPalette = std::array<std::uint8_t, 4>;

enum class TileMode {
    Canvas, // pixels of value 0 are not written: the picture beneath shows through
    Dialog, // every pixel is written, value 0 in colour 0 of the sub-palette
};

// Background tiles of rooms and blocks come from the second pattern table.
inline constexpr std::uint32_t kBackgroundTileBase = 256;
inline constexpr std::int32_t kTileSize = 8;
inline constexpr std::int32_t kBlockSize = 32;

// Colours 4p..4p+3 of `palette`.
SubPalette SubPaletteOf(const PaletteSet& palette, std::uint8_t p);

// Draws `tile` at (x, y); without a sub-palette the values 1-3 show in greys.
void DrawTile(PictureBuffer& picture, std::int32_t x, std::int32_t y, const Tile& tile,
              const SubPalette* subPalette, TileMode mode);

// Draws PPU tile `number` (0-511) through the PPU tile map; a larger number raises "Invalid tile requested".
void DrawPpuTile(PictureBuffer& picture, std::int32_t x, std::int32_t y, const CGameImage& image,
                 std::uint32_t number, const SubPalette* subPalette, TileMode mode);

// The attribute entry that colours tile row r, column c of a block: 3 is the top-left 16x16 quadrant,
// 2 the top-right, 1 the bottom-left, 0 the bottom-right.
constexpr std::size_t QuadrantAttributeEntry(std::size_t row, std::size_t column) {
    return 3 - 2 * (row / 2) - column / 2;
}

// Draws a 32x32 block of 4x4 background tiles in canvas mode; without a palette in greys.
void DrawBlock(PictureBuffer& picture, std::int32_t x, std::int32_t y, const CGameImage& image,
               const Block& tiles, const BlockAttributes& attributes, const PaletteSet* palette);

} // namespace tikaroo
