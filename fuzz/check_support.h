#pragma once

#include "game/game_rom.h"

#include <exception>
#include <string>

namespace tikaroo::fuzz {

// What the checks share.

// A file of this process in memory (tmpfs where there is one), removed at exit; `name` tells the files
// apart.
const std::string& ScratchPath(const std::string& name);

// Raises a finding unless `error` is one of the model's errors.
void ExpectModelError(const std::exception& error, const std::string& during);

// Saves `rom` to `path`: false when the save failed with one of the model's errors, leaving the image
// as it was.
bool SaveChecked(CGameRom& rom, const std::string& path);

// Opens the image a save wrote into the empty `reopened`.
void OpenSaved(CGameRom& reopened, const std::string& path);

} // namespace tikaroo::fuzz
