#pragma once

#include "game/model.h"
#include "rom/bytes.h"
#include "rom/tile.h"

#include <array>
#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

namespace tikaroo::sample {

// The looks of the sample's CHR banks: graphic sets 0-2 and the boss bank share one tile numbering,
// each bank draws the same tile numbers in its own style.
enum class Theme { Meadow, Castle, Beach, Boss };
inline constexpr int kThemeCount = 4;
inline constexpr std::size_t kBackgroundTileCount = 256;
inline constexpr std::size_t kChrBankHalf = kBackgroundTileCount * kPackedTileSize; // 4 KB

// The background tiles of the sample: tile kinds (one character each, see sample_art.cpp) painted at a
// place of a 32x32 block, numbered on first use. Tiles that look the same in every theme share a number.
class TileSheet {
public:
    TileSheet();

    // A block from 16 tile kinds, row by row; the kind at index i sits at column i % 4, row i / 4.
    Block MakeBlock(std::string_view kinds);
    // The 4 KB of packed background tiles (PPU tiles 256-511) of the bank drawn in `theme`.
    Bytes PackedTiles(Theme theme) const;
    std::size_t TileCount() const { return tiles.size(); }

private:
    using Look = std::array<Tile, kThemeCount>;
    std::uint8_t TileOf(char kind, int column, int row);

    std::vector<Look> tiles;
    std::map<Look, std::uint8_t> numbers;
};

} // namespace tikaroo::sample
