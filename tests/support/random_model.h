#pragma once

#include "game/model.h"

#include <random>

namespace tikaroo::test {

// Replaces every table that the save writes with random content within the limits the editors keep:
// level sets and their rooms, level slots, bonus levels, objects lists (some shared, some with objects
// at one x, unsorted), palette sets, updaters (stale counts, modifiers out of key order), other
// palettes, settings, bonus area and the graphic sets of the used level sets (every entry referenced, as
// a load gives them). Some level sets and updaters are left unused. Object types and the level geometry
// tables are kept.
void RandomizeModel(GameTables& tables, std::mt19937& random);

} // namespace tikaroo::test
