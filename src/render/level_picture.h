#pragma once

#include "game/model.h"
#include "picture_buffer.h"

#include <cstddef>
#include <vector>

namespace tikaroo {

// Boss rooms: from room 61 on in round-4 levels, and every room of the hidden slot 32.
bool IsBossRoom(std::size_t levelSlot, std::size_t absoluteRoom);

// Draws into `picture` every room of `levelSet` side by side (room a at x = 128a, 352 high), assembled
// block by block from the block cache with each room's palette zone.
void BuildLevelPicture(PictureBuffer& picture, const GameTables& tables, const LevelSet& levelSet,
                       std::size_t levelSlot, const std::vector<PaletteZone>& zones,
                       const PictureBuffer& blockCache);

} // namespace tikaroo
