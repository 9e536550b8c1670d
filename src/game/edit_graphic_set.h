#pragma once

#include "rom/game_image.h"
#include "rom/tile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace tikaroo {

// A block with its own attributes: 16 tile numbers, row by row, then the four palette numbers in stored
// order (bottom right, bottom left, top right, top left quarter).
inline constexpr std::size_t kBlockTileCount = 16;
using EditBlock = std::array<std::uint8_t, kBlockTileCount + 4>;

// A room as a plain grid of block numbers: 11 rows of 4 columns, row by row. Rows 0-5 of a column are
// its top line, rows 6-10 its bottom line.
inline constexpr std::size_t kRoomColumns = 4;
inline constexpr std::size_t kRoomRows = 11;
inline constexpr std::size_t kRoomTopRows = 6;
using RoomGrid = std::array<std::uint8_t, kRoomColumns * kRoomRows>;

// Block numbers and room numbers are 8 and 6 bits wide.
inline constexpr std::size_t kMaxBlocksPerSet = 256;
inline constexpr std::size_t kMaxRoomsPerSet = 64;

// One graphic set in the form the graphics dialogs edit: every room a grid, every block with its
// attributes, and the 512 tiles of the set's 8 KB of CHR (empty when the CHR has none for it).
struct EditGraphicSet {
    std::uint32_t used = 0;
    std::vector<RoomGrid> rooms;
    std::vector<EditBlock> blocks;
    std::vector<Tile> tiles;

    bool Present() const { return !rooms.empty() && !blocks.empty(); }
    // Takes imported tiles. A set without blocks or rooms gets one zero block and one zero room, so
    // that an empty bank becomes a set.
    void TakeTiles(std::vector<Tile> imported) {
        tiles = std::move(imported);
        if (blocks.empty()) blocks.push_back(EditBlock{});
        if (rooms.empty()) rooms.push_back(RoomGrid{});
    }
    bool operator==(const EditGraphicSet&) const = default;
};

using EditGraphicSets = std::vector<EditGraphicSet>;

// The CHR banks of graphic set k show CHR tile 512k + t as PPU tile t. Empty when the CHR data ends
// before them.
template <typename T>
std::span<T> SetTiles(std::span<T> allTiles, std::size_t id) {
    const std::size_t first = id * kPpuTileCount;
    if (allTiles.size() < first + kPpuTileCount) return {};
    return allTiles.subspan(first, kPpuTileCount);
}

} // namespace tikaroo
