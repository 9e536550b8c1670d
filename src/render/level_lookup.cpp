#include "level_lookup.h"

namespace tikaroo {

namespace {

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

LevelSet* LevelSetOf(GameTables& tables, const Level& level) {
    return Find<LevelSet>(tables.levelSets, level.levelSet);
}

const LevelSet* LevelSetOf(const GameTables& tables, const Level& level) {
    return Find<const LevelSet>(tables.levelSets, level.levelSet);
}

const GraphicSet* GraphicSetOf(const GameTables& tables, const LevelSet& levelSet) {
    return Find<const GraphicSet>(tables.graphicSets, levelSet.GraphicSetId());
}

} // namespace tikaroo
