#pragma once

#include "game/model.h"

namespace tikaroo {

// The level slot whose rooms, palettes and graphics are shown: in bonus mode the slot that the
// bonus area names (the main window keeps the current slot there), else the current level.
Level* ShownLevel(GameTables& tables);
const Level* ShownLevel(const GameTables& tables);
// The level whose objects are shown: the current bonus level in bonus mode.
Level* ObjectsLevel(GameTables& tables);

// Look-ups that give nullptr where an id names nothing.
LevelSet* LevelSetOf(GameTables& tables, const Level& level);
const LevelSet* LevelSetOf(const GameTables& tables, const Level& level);
const GraphicSet* GraphicSetOf(const GameTables& tables, const LevelSet& levelSet);

} // namespace tikaroo
