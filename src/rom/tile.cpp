#include "tile.h"

namespace tikaroo {

Tile DecodeTile(const std::uint8_t* packed) {
    Tile tile{};
    for (int row = 0; row < 8; ++row) {
        const unsigned lo = packed[row];
        const unsigned hi = packed[row + 8];
        for (int x = 0; x < 8; ++x) {
            const int shift = 7 - x;
            tile[static_cast<std::size_t>(row * 8 + x)] =
                static_cast<std::uint8_t>((((hi >> shift) & 1U) << 1) | ((lo >> shift) & 1U));
        }
    }
    return tile;
}

void EncodeTile(const Tile& tile, std::uint8_t* packed) {
    for (int row = 0; row < 8; ++row) {
        unsigned lo = 0;
        unsigned hi = 0;
        for (int x = 0; x < 8; ++x) {
            const unsigned value = tile[static_cast<std::size_t>(row * 8 + x)];
            lo |= (value & 1U) << (7 - x);
            hi |= ((value >> 1) & 1U) << (7 - x);
        }
        packed[row] = static_cast<std::uint8_t>(lo);
        packed[row + 8] = static_cast<std::uint8_t>(hi);
    }
}

} // namespace tikaroo
