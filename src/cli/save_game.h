#pragma once

#include "game/game_rom.h"

#include <iosfwd>
#include <string>

namespace tikaroo::cli {

// Saves `rom` to `path` through the full save and says so on `out`; warns on `err` about rooms and sets
// that the next open will not show. On failure prints one line on `err` and returns false.
bool SaveGame(CGameRom& rom, const std::string& path, std::ostream& out, std::ostream& err);

} // namespace tikaroo::cli
