#include "level_lookup.h"

#include <algorithm>

namespace tikaroo {

namespace {

constexpr std::size_t kRoomsPerTopsByte = 16;
constexpr std::size_t kBonusRoomsDrawn = 16;

template <typename Value, typename Key, typename Map>
Value* Find(Map& map, Key key) {
    const auto found = map.find(key);
    return found == map.end() ? nullptr : &found->second;
}

template <typename Value, typename Vector>
Value* At(Vector& vector, std::size_t index) {
    return index < vector.size() ? &vector[index] : nullptr;
}

} // namespace

Level* ShownLevel(GameTables& tables) {
    return At<Level>(tables.levels, tables.view.currentLevel);
}

const Level* ShownLevel(const GameTables& tables) {
    return At<const Level>(tables.levels, tables.view.currentLevel);
}

Level* ObjectsLevel(GameTables& tables) {
    if (tables.view.bonusMode) return At<Level>(tables.bonusLevels, tables.view.currentBonusLevel);
    return ShownLevel(tables);
}

const Level* ObjectsLevel(const GameTables& tables) {
    if (tables.view.bonusMode) return At<const Level>(tables.bonusLevels, tables.view.currentBonusLevel);
    return ShownLevel(tables);
}

LevelSet* LevelSetOf(GameTables& tables, const Level& level) {
    return Find<LevelSet>(tables.levelSets, level.levelSet);
}

const LevelSet* LevelSetOf(const GameTables& tables, const Level& level) {
    return Find<const LevelSet>(tables.levelSets, level.levelSet);
}

const GraphicSet* GraphicSetOf(const GameTables& tables, const LevelSet& levelSet) {
    return Find<const GraphicSet>(tables.graphicSets, levelSet.GraphicSetId());
}

ShownRooms RoomsShown(const GameTables& tables, const LevelSet& levelSet) {
    const std::size_t total = levelSet.rooms.size();
    if (!tables.view.bonusMode) return {0, total, total, 0, 0};
    const BonusArea& area = tables.bonusArea;
    ShownRooms shown;
    shown.first = std::min<std::size_t>(kRoomsPerTopsByte * area.beginFrom, total);
    shown.count = std::min<std::size_t>(area.length, total - shown.first);
    shown.drawn = std::min(shown.count, kBonusRoomsDrawn);
    shown.topsIndex = std::min<std::size_t>(area.beginFrom, levelSet.tops.size() - 1);
    shown.objectsX = static_cast<std::int32_t>(shown.first) * kRoomWidth;
    return shown;
}

} // namespace tikaroo
