#pragma once

#include "game/game_rom.h"

#include <iosfwd>
#include <string>

namespace tikaroo::cli {

// Opens `path` into `rom` as the editor's Open does; on failure prints one line on `err` and returns false.
bool OpenGame(const std::string& path, CGameRom& rom, std::ostream& err);

} // namespace tikaroo::cli
