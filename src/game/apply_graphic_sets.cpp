// Edited graphic sets back into the game's shared tables.
#include "game_rom.h"

#include <algorithm>
#include <map>

namespace tikaroo {

namespace {

// Keeps each distinct value once, numbered in the order it first appears.
template <typename Value>
class DistinctList {
public:
    std::uint8_t Number(const Value& value) {
        const auto [found, added] = numbers_.try_emplace(value, values_.size());
        if (added) values_.push_back(value);
        return static_cast<std::uint8_t>(found->second);
    }
    std::vector<Value>& Values() { return values_; }

private:
    std::vector<Value> values_;
    std::map<Value, std::size_t> numbers_;
};

struct RebuiltSet {
    GraphicSet set;
    std::vector<std::uint8_t> roomNumbers; // the new number of every edited room
};

// The block list as the kept rooms need it: cut after the highest block they use, or padded with
// zero blocks up to it.
std::vector<EditBlock> BlocksInUse(const std::vector<EditBlock>& blocks, const std::vector<RoomGrid>& rooms) {
    std::size_t count = 0;
    for (const RoomGrid& room : rooms)
        count = std::max<std::size_t>(count, *std::ranges::max_element(room) + 1U);
    std::vector<EditBlock> inUse(
        blocks.begin(), blocks.begin() + static_cast<std::ptrdiff_t>(std::min(count, blocks.size())));
    inUse.resize(count);
    return inUse;
}

RebuiltSet Rebuild(std::uint8_t id, const EditGraphicSet& edit) {
    RebuiltSet rebuilt;
    DistinctList<RoomGrid> rooms;
    for (const RoomGrid& room : edit.rooms) rebuilt.roomNumbers.push_back(rooms.Number(room));

    DistinctList<EditBlock> blocks;
    std::vector<std::uint8_t> blockNumbers;
    for (const EditBlock& block : BlocksInUse(edit.blocks, rooms.Values()))
        blockNumbers.push_back(blocks.Number(block));

    GraphicSet& set = rebuilt.set;
    DistinctList<LineGeom> lineGeom;
    DistinctList<TopLines> topLines;
    DistinctList<BottomLines> bottomLines;
    for (const RoomGrid& room : rooms.Values()) {
        SetRoom setRoom{};
        for (std::size_t column = 0; column < kRoomColumns; ++column) {
            TopLines top{};
            BottomLines bottom{};
            for (std::size_t row = 0; row < kRoomRows; ++row) {
                const std::uint8_t block = blockNumbers[room[row * kRoomColumns + column]];
                if (row < kRoomTopRows)
                    top[row] = block;
                else
                    bottom[row - kRoomTopRows] = block;
            }
            setRoom[column] = lineGeom.Number(
                static_cast<LineGeom>(topLines.Number(top) | bottomLines.Number(bottom) << 8));
        }
        set.rooms.push_back(setRoom);
    }
    for (const EditBlock& block : blocks.Values()) {
        Block tiles{};
        BlockAttributes attributes{};
        std::copy(block.begin(), block.begin() + kBlockTileCount, tiles.begin());
        std::copy(block.begin() + kBlockTileCount, block.end(), attributes.begin());
        set.blocks.push_back(tiles);
        set.attributes.push_back(attributes);
    }
    set.id = id;
    set.used = edit.used;
    set.lastRoom = static_cast<std::uint8_t>(std::max<std::size_t>(set.rooms.size(), 1) - 1);
    set.lineGeom = std::move(lineGeom.Values());
    set.topLines = std::move(topLines.Values());
    set.bottomLines = std::move(bottomLines.Values());
    return rebuilt;
}

// A level room keeps showing its grid under the grid's new number; one whose room is gone shows the
// last room.
void RenumberLevelRooms(std::map<std::uint8_t, LevelSet>& levelSets, std::uint8_t graphicSetId,
                        const std::vector<std::uint8_t>& roomNumbers, std::size_t roomCount) {
    const auto lastRoom = static_cast<std::uint8_t>(std::max<std::size_t>(roomCount, 1) - 1);
    for (auto& [id, levelSet] : levelSets) {
        if (levelSet.GraphicSetId() != graphicSetId) continue;
        levelSet.lastSetRoom = 0;
        for (LevelRoom& room : levelSet.rooms) {
            room.setRoom = room.setRoom < roomNumbers.size() ? roomNumbers[room.setRoom] : lastRoom;
            levelSet.lastSetRoom = std::max(levelSet.lastSetRoom, room.setRoom);
        }
    }
}

} // namespace

bool CGameRom::ApplyGraphicSets(const EditGraphicSets& sets) {
    if (sets.size() != kGraphicSetCount || view.bonusMode) return false;
    if (std::ranges::any_of(sets,
                            [](const EditGraphicSet& set) { return set.rooms.size() > kMaxRoomsPerSet; }))
        return false;
    for (std::size_t k = 0; k < sets.size(); ++k) {
        const std::span<Tile> tiles = SetTiles<Tile>(allTiles, k);
        if (sets[k].tiles.size() == tiles.size()) std::ranges::copy(sets[k].tiles, tiles.begin());
        const auto id = static_cast<std::uint8_t>(k);
        RebuiltSet rebuilt = Rebuild(id, sets[k]);
        RenumberLevelRooms(levelSets, id, rebuilt.roomNumbers, rebuilt.set.rooms.size());
        graphicSets[id] = std::move(rebuilt.set);
    }
    return true;
}

} // namespace tikaroo
