#pragma once

#include "json_at.h"

#include "game/model.h"

namespace tikaroo::cli {

// Checks what ties the tables together: ids that levels and level sets name, the rules of slot 32 and
// the bonus levels, room counts, and every index inside the graphic sets. `root` is the document the
// tables were read from, for the paths of the messages.
void CheckReferences(const GameTables& tables, const JsonAt& root);

} // namespace tikaroo::cli
