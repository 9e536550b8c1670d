#pragma once

// Tiles and pictures for the tile sheet tests (header only: its users link the renderer).
#include "render/picture_buffer.h"
#include "render/tile_drawing.h"
#include "rom/tile.h"

#include <algorithm>
#include <vector>

namespace tikaroo::test {

// Four NES colours whose RGB values ascend: a sheet drawn in them reads back under the proposed
// assignment.
inline constexpr SubPalette kAscendingGreys = {0x0F, 0x00, 0x10, 0x30};

// 512 tiles in which both sheet halves use all four pixel values, each tile a little different.
inline std::vector<Tile> PatternedTiles() {
    std::vector<Tile> tiles(512);
    for (std::size_t t = 0; t < tiles.size(); ++t)
        for (std::size_t i = 0; i < 64; ++i)
            tiles[t][i] = static_cast<std::uint8_t>((t * 7 + i * 3 + i / 8) % 4);
    return tiles;
}

inline bool SamePixels(const PictureBuffer& a, const PictureBuffer& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           std::equal(a.Data(), a.Data() + static_cast<std::ptrdiff_t>(a.Width()) * a.Height(), b.Data());
}

} // namespace tikaroo::test
