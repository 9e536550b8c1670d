#pragma once

#include "game/model.h"

namespace tikaroo {

// The level slot whose rooms, palettes and graphics are shown: in bonus mode the slot that the
// bonus area names (the main window keeps the current slot there), else the current level.
Level* ShownLevel(GameTables& tables);
const Level* ShownLevel(const GameTables& tables);
// The level whose objects are shown: the current bonus level in bonus mode.
Level* ObjectsLevel(GameTables& tables);
const Level* ObjectsLevel(const GameTables& tables);

// Look-ups that give nullptr where an id names nothing.
LevelSet* LevelSetOf(GameTables& tables, const Level& level);
const LevelSet* LevelSetOf(const GameTables& tables, const Level& level);
const GraphicSet* GraphicSetOf(const GameTables& tables, const LevelSet& levelSet);

// The rooms of a level set that the canvas shows: all of them, or in bonus mode `length` rooms from
// room 16 x beginFrom, of which only the first 16 are drawn.
struct ShownRooms {
    std::size_t first = 0;     // absolute number of the leftmost room
    std::size_t count = 0;     // rooms the canvas is wide
    std::size_t drawn = 0;     // rooms drawn from the left
    std::size_t topsIndex = 0; // the tops byte of the first room
    std::int32_t objectsX = 0; // level x of the canvas's left edge
};

ShownRooms RoomsShown(const GameTables& tables, const LevelSet& levelSet);

} // namespace tikaroo
