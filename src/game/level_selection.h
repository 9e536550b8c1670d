#pragma once

#include "game/model.h"

#include <cstdint>

namespace tikaroo {

// A level to show: a main level slot, or a bonus level 0-8 shown over the rooms of the bonus area's slot.
struct LevelChoice {
    bool bonus = false;
    std::uint8_t index = 0;
};

// Points the view at `choice`: its level slot, bonus mode and bonus level, no selected object and no
// click point. Raises "The bonus area names a level that does not exist" when a bonus level is chosen
// while the bonus area's slot names no level (the slot is read from the file unchecked), and "No such
// level" for a slot or bonus level beyond the tables; the view is then left as it was.
void SelectLevel(GameTables& tables, LevelChoice choice);

// The choice the view stands on.
LevelChoice CurrentChoice(const ViewState& view);

} // namespace tikaroo
