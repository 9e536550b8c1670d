#include "level_properties.h"

#include "game_rom.h"

namespace tikaroo {

std::optional<LevelProperties> CGameRom::GetLevelProperties() const {
    if (!MainLevelShown() || view.currentLevel >= levels.size()) return std::nullopt;
    const Level& level = levels[view.currentLevel];
    const auto set = levelSets.find(level.levelSet);
    if (set == levelSets.end()) return std::nullopt;
    return LevelProperties{level.eggValues, level.levelSet, level.paletteSet, level.paletteUpdater,
                           set->second.tops};
}

bool CGameRom::SetLevelProperties(const LevelProperties& properties) {
    if (!MainLevelShown() || view.currentLevel >= levels.size()) return false;
    Level& level = levels[view.currentLevel];
    level.eggValues = properties.eggValues;
    // The tops belong to the set the level had while they were edited, even when it takes another now.
    if (const auto set = levelSets.find(level.levelSet); set != levelSets.end())
        set->second.tops = properties.tops;
    // A set with other than 64 rooms (the boss rooms) would not read back as a level's set.
    if (const auto set = levelSets.find(properties.levelSet);
        set != levelSets.end() && set->second.rooms.size() == kRoomsPerLevelSet)
        level.levelSet = properties.levelSet;
    if (properties.paletteSet < paletteSets.size()) level.paletteSet = properties.paletteSet;
    if (properties.paletteUpdater == kNoPaletteUpdater || paletteUpdaters.contains(properties.paletteUpdater))
        level.paletteUpdater = properties.paletteUpdater;
    return true;
}

} // namespace tikaroo
