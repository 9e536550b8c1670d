#pragma once

#include "game/model.h"

#include <cstddef>
#include <vector>

namespace tikaroo {

// The palette states of `level`: zone 0 is its palette set from room 0; every modifier of its palette
// updater adds a zone from the modifier's room, starting from the previous zone's colours.
std::vector<PaletteZone> BuildPaletteZones(const GameTables& tables, const Level& level);

// The last zone from 1 on whose start room is not past `room`; zone 0 when there is none.
std::size_t ZoneOfRoom(const std::vector<PaletteZone>& zones, std::size_t room);

} // namespace tikaroo
