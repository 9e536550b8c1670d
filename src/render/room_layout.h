#pragma once

#include "game/model.h"

#include <cstddef>
#include <cstdint>

namespace tikaroo {

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
