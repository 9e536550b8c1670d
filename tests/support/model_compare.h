#pragma once

#include "game/model.h"

namespace tikaroo::test {

// Adds a test failure for every stored field in which `actual` differs from `expected`: the fields that
// a save writes and a load reads. View state, renderer caches, the level sets' used flags and the
// tables of unused graphic sets (never stored) are left out.
void ExpectSameStoredModel(const GameTables& actual, const GameTables& expected);

} // namespace tikaroo::test
