#pragma once

#include "model.h"

#include <cstddef>

namespace tikaroo {

// Every field brought into its range, so that a step below 0 or past the top wraps around: 255 (what
// a decrement of 0 gives) becomes the top, any other value above the top becomes 0. The top of setRoom
// is the last of the graphic set's `setRoomCount` rooms.
LevelRoom NormaliseRoom(LevelRoom room, std::size_t setRoomCount);

} // namespace tikaroo
