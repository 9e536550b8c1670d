#pragma once

#include <array>
#include <cstdint>

namespace tikaroo {

class CGameImage;

// Six CHR bank numbers in 1 KB units: the first two choose 2 KB banks (their lowest bit is ignored),
// the other four 1 KB banks.
using ChrBankSet = std::array<std::uint8_t, 6>;

// The eighth 8 KB of CHR holds the boss graphics.
inline constexpr ChrBankSet kBossBankSet = {56, 58, 60, 61, 62, 63};

// The 8 KB of CHR that belong to graphic set `graphicSetId` (0-7).
ChrBankSet LevelBankSet(std::uint8_t graphicSetId);

// Points the PPU pattern space at `banks` and rebuilds the PPU tile map. A number of 128 or more, or
// one of 127 for the 2 KB banks, is refused and nothing changes.
bool SelectChrBanks(CGameImage& image, const ChrBankSet& banks);

} // namespace tikaroo
