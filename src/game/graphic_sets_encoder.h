#pragma once

#include "model.h"
#include "rom/game_image.h"

#include <cstdint>

namespace tikaroo {

// Marks the graphic sets that level sets use and writes the descriptor table from `address` on, then
// the tables of every used set, each cut after the last entry that something refers to. A table
// shorter than the indexes into it raises its overflow text. Returns the next free address.
std::uint32_t EncodeGraphicSets(CGameImage& image, GameTables& tables, std::uint32_t address);

} // namespace tikaroo
