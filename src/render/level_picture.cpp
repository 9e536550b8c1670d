#include "level_picture.h"

#include "block_cache.h"
#include "game/level_lookup.h"
#include "palette_zones.h"
#include "room_geometry.h"
#include "tile_drawing.h"

namespace tikaroo {

namespace {

constexpr std::size_t kFirstBossRoom = 61;
constexpr std::size_t kTopRows = 6;

// The 11 block numbers of column `column` of set room `setRoom`, top to bottom; false where an index
// names nothing.
bool ColumnBlocks(const GraphicSet& graphicSet, std::uint8_t setRoom, std::size_t column,
                  std::array<std::uint8_t, 11>& blocks) {
    if (setRoom >= graphicSet.rooms.size()) return false;
    const std::uint8_t geometryIndex = graphicSet.rooms[setRoom][column];
    if (geometryIndex >= graphicSet.lineGeom.size()) return false;
    const LineGeom geometry = graphicSet.lineGeom[geometryIndex];
    const std::size_t top = geometry & 0xFF;
    const std::size_t bottom = geometry >> 8;
    if (top >= graphicSet.topLines.size() || bottom >= graphicSet.bottomLines.size()) return false;
    std::copy(graphicSet.topLines[top].begin(), graphicSet.topLines[top].end(), blocks.begin());
    std::copy(graphicSet.bottomLines[bottom].begin(), graphicSet.bottomLines[bottom].end(),
              blocks.begin() + kTopRows);
    return true;
}

} // namespace

bool IsBossRoom(std::size_t levelSlot, std::size_t absoluteRoom) {
    return (absoluteRoom >= kFirstBossRoom && levelSlot % 4 == 3) || levelSlot == kBossSlot;
}

void BuildLevelPicture(PictureBuffer& picture, const GameTables& tables, const LevelSet& levelSet,
                       std::size_t levelSlot, const std::vector<PaletteZone>& zones,
                       const PictureBuffer& blockCache) {
    picture.Clear(static_cast<std::int32_t>(levelSet.rooms.size()) * kRoomWidth, kRoomHeight);
    const GraphicSet* graphicSet = GraphicSetOf(tables, levelSet);
    if (graphicSet == nullptr) return;
    for (std::size_t a = 0; a < levelSet.rooms.size(); ++a) {
        const bool boss = IsBossRoom(levelSlot, a);
        const std::size_t zone = ZoneOfRoom(zones, a);
        for (std::size_t column = 0; column < 4; ++column) {
            std::array<std::uint8_t, 11> blocks{};
            if (!ColumnBlocks(*graphicSet, levelSet.rooms[a].setRoom, column, blocks)) continue;
            const auto x =
                static_cast<std::int32_t>(a) * kRoomWidth + static_cast<std::int32_t>(column) * kBlockSize;
            for (std::size_t row = 0; row < blocks.size(); ++row) {
                picture.CopyFrom(blockCache, CachedBlock(zone, blocks[row], boss), x,
                                 static_cast<std::int32_t>(row) * kBlockSize);
            }
        }
    }
}

} // namespace tikaroo
