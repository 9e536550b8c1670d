#pragma once

#include "model.h"
#include "rom/game_image.h"

namespace tikaroo {

// Writes the game settings and the bonus area into the bytes of the game's program that hold them
// (bank 0 must be mapped).
void WriteFixedSettings(CGameImage& image, const GameSettings& settings, const BonusArea& bonusArea);

} // namespace tikaroo
