#pragma once

#include "game/game_rom.h"

namespace tikaroo::test {

// The project's sample game, opened as the editor opens it.
CGameRom OpenSample();

} // namespace tikaroo::test
