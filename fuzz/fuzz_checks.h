#pragma once

#include "game/game_rom.h"

#include <cstdint>
#include <span>
#include <string>

// What the fuzz targets check on an input, shared with the regression tests that run the inputs the
// fuzzers once found faults with.
namespace tikaroo::fuzz {

// A fault of the program. Not a std::exception, so that no handler of the model's errors catches it.
struct Finding {
    std::string what;
};

// Opens `input` into the empty `rom` as the editor opens a ROM file. A failed open must fail with one of
// the model's error texts and leave nothing loaded; a successful one must hold an expanded image.
bool OpenInput(std::span<const std::uint8_t> input, CGameRom& rom);

// Selects and draws every level and bonus level with both layers, as the editor shows them: drawing never
// fails and no picture grows past its limits.
void DrawEveryLevel(CGameRom& rom);

// Saves and opens the saved file again: a save fails with one of the model's errors, leaving the image as
// it was, or writes an image that opens and saves again to the same bytes.
void SaveAndReopen(CGameRom& rom);

// Expands the graphic sets and applies them back unchanged: the apply is taken and gives the same sets.
void ApplyGraphicSetsUnchanged(CGameRom& rom);

// Opens `input` and runs `check` on it; a finding ends the process with its text, as a fuzzer wants.
int RunFuzzTarget(std::span<const std::uint8_t> input, void (*check)(CGameRom&));

} // namespace tikaroo::fuzz
