// The graphic sets as plain room grids and blocks with their own attributes, for the graphics dialogs.
#include "game_rom.h"

#include <algorithm>

namespace tikaroo {

namespace {

EditBlock ExpandBlock(const GraphicSet& set, std::size_t block) {
    EditBlock expanded{};
    std::copy(set.blocks[block].begin(), set.blocks[block].end(), expanded.begin());
    if (block < set.attributes.size()) {
        std::copy(set.attributes[block].begin(), set.attributes[block].end(),
                  expanded.begin() + kBlockTileCount);
    }
    return expanded;
}

// Each column comes from the lines its LineGeom entry names; an index that names nothing leaves
// zeros, which only a model not made by a load can hold.
RoomGrid ExpandRoom(const GraphicSet& set, const SetRoom& room) {
    RoomGrid grid{};
    for (std::size_t column = 0; column < kRoomColumns; ++column) {
        if (room[column] >= set.lineGeom.size()) continue;
        const LineGeom geometry = set.lineGeom[room[column]];
        const std::size_t top = geometry & 0xFF;
        const std::size_t bottom = geometry >> 8;
        for (std::size_t row = 0; row < kRoomTopRows && top < set.topLines.size(); ++row)
            grid[row * kRoomColumns + column] = set.topLines[top][row];
        for (std::size_t row = kRoomTopRows; row < kRoomRows && bottom < set.bottomLines.size(); ++row)
            grid[row * kRoomColumns + column] = set.bottomLines[bottom][row - kRoomTopRows];
    }
    return grid;
}

} // namespace

std::optional<EditGraphicSets> CGameRom::ExpandGraphicSets() const {
    if (view.bonusMode) return std::nullopt;
    EditGraphicSets sets(kGraphicSetCount);
    for (std::size_t id = 0; id < sets.size(); ++id) {
        EditGraphicSet& edit = sets[id];
        const std::span<const Tile> tiles = SetTiles<const Tile>(allTiles, id);
        edit.tiles.assign(tiles.begin(), tiles.end());
        const auto found = graphicSets.find(static_cast<std::uint8_t>(id));
        if (found == graphicSets.end()) continue;
        const GraphicSet& set = found->second;
        edit.used = set.used;
        for (const SetRoom& room : set.rooms) edit.rooms.push_back(ExpandRoom(set, room));
        for (std::size_t block = 0; block < set.blocks.size(); ++block)
            edit.blocks.push_back(ExpandBlock(set, block));
    }
    return sets;
}

} // namespace tikaroo
