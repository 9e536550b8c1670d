#pragma once

#include "model.h"
#include "rom/game_image.h"

#include <cstdint>

namespace tikaroo {

// Drops the level sets whose `used` flag is clear, renumbers the rest (the level slots follow; the
// bonus levels take slot 32's set, as they do in the image) and writes the level set tables and level
// table A from `address` on, and the packed rooms into their own bank. Returns the next free address.
std::uint32_t EncodeLevelSets(CGameImage& image, GameTables& tables, std::uint32_t address);

} // namespace tikaroo
