#pragma once

#include "game/game_rom.h"

#include <cstddef>
#include <cstdint>
#include <string>

// What every fuzz target shares: the input written to a scratch file and opened as the editor opens a
// ROM, and the checks on the model's failures.
namespace tikaroo::fuzz {

// A file of this process in memory (tmpfs when there is one), removed at exit; `name` tells files apart.
const std::string& ScratchPath(const std::string& name);

// Opens `data` into the empty `rom`. An input that fails must fail with one of the model's error texts
// and leave nothing loaded; a load that succeeds must hold an expanded image.
bool OpenInput(const std::uint8_t* data, std::size_t size, CGameRom& rom);

// Aborts unless `error` is one of the model's error texts.
void ExpectModelError(const std::exception& error, const char* during);

[[noreturn]] void Fail(const char* what, const char* detail);

} // namespace tikaroo::fuzz
