#pragma once

#include "model.h"
#include "rom/game_image.h"

#include <cstdint>

namespace tikaroo {

// Writes the other palettes in place, then from `address` on level table C, the palette sets and the
// palette updaters that some level slot names (renumbered; the slots follow). Returns the next free
// address.
std::uint32_t EncodePalettes(CGameImage& image, GameTables& tables, std::uint32_t address);

} // namespace tikaroo
