#pragma once

#include "game/model.h"

#include <cstdint>
#include <string_view>

namespace tikaroo::sample {

// The level geometry tables of the sample. Background type t (1-7) and floor shift t move a room by
// the same amount, so a sloped room keeps its floor line on the ground when floorShift = background.
LevelGeometryTables SampleGeometry();

// The floor geometry that follows a room of four columns. `floors` holds one letter per column:
// 'g' ground, 'r' ground raised by one block, '1'-'3' that many steps of 8 pixels below it, 'w' water.
std::uint8_t FloorGeomOf(std::string_view floors, const LevelGeometryTables& geometry);

// Whether a room of this floor geometry starts on the raised ground (a step or slope down): its floor
// line must start a block higher than the ground's.
bool StartsRaised(std::uint8_t floorGeom);

// Floor shifts that move the floor line one block (32 pixels) down or up.
inline constexpr std::uint8_t kFloorShiftBlockDown = 3;
inline constexpr std::uint8_t kFloorShiftBlockUp = 4;

} // namespace tikaroo::sample
