#pragma once

#include "game/model.h"

#include <cstdint>
#include <map>
#include <vector>

namespace tikaroo::sample {

// The palette set of each theme and variant: meadow 0-3, castle 4-7, beach 8-11, night 12-15
// (12 + graphic set id, 15 for the boss).
inline constexpr std::uint8_t kPalettesPerTheme = 4;
inline constexpr std::uint8_t kNightPalettes = 12;

std::vector<PaletteSet> SamplePaletteSets();
// Updaters 0-2: the sun sets over a meadow, a castle grows dark, the tide turns on the beach.
std::map<std::uint8_t, PaletteUpdater> SamplePaletteUpdaters();
OtherPalettes SampleOtherPalettes();

} // namespace tikaroo::sample
