#pragma once

#include "model.h"

#include <string>
#include <vector>

namespace tikaroo {

// What a save just made will not show after the next open, one line per graphic set: rooms of a used
// set beyond the highest one its level sets name (the open reads a set's rooms only up to that one),
// and the rooms and blocks of a set that no level set uses (only used sets are stored). Empty when
// nothing is lost.
std::vector<std::string> GraphicsLostOnReopen(const GameTables& tables);

} // namespace tikaroo
