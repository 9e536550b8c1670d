#pragma once

#include "game/level_lookup.h"

#include <cstddef>
#include <cstdint>

namespace tikaroo {

// The vertical step of a room picture with background type `background`, in pixels: every one of its
// 16 columns that the type's mask lets through adds the type's signed step of 8 pixels.
std::int32_t BackgroundStep(const LevelGeometryTables& geometry, std::uint8_t background,
                            std::size_t absoluteRoom);
// The same, column by column: the offset of 8-pixel column c is entry c.
std::array<std::int32_t, 16> BackgroundColumnOffsets(const LevelGeometryTables& geometry,
                                                     std::uint8_t background, std::size_t absoluteRoom);

// Where each shown room's picture, screen band bottom and floor line stand (picture offsets start at 0).
RoomLayout BuildRoomLayout(const GameTables& tables, const LevelSet& levelSet);

} // namespace tikaroo
