#pragma once

#include "rom/game_image.h"

#include <cstddef>
#include <cstdint>

namespace tikaroo::test {

inline constexpr std::size_t kExpandedPrgBanks = 8;
inline constexpr int kExpandedFixedBank = 7;
inline constexpr std::size_t kExpandedChrSize = 0x20000;

// Makes `image` a loaded image of the expanded layout held in memory: mapper 4, 8 PRG banks and
// 128 KB of CHR data, all zero, with the window set up (bank 0 mapped, fixed bank at $C000) and the
// tiles decoded. Whatever `image` held before is dropped.
void MakeExpandedImage(CGameImage& image);

// Writes bytes at CPU addresses as bank `bank` shows them: $8000-$BFFF reach that bank, $C000-$FFFF
// always the fixed bank. The window is kept in step where it shows the bytes, so a test may poke
// before or after mapping other banks.
void Poke(CGameImage& image, int bank, CpuPtr address, const Bytes& bytes);
void PokeWord(CGameImage& image, int bank, CpuPtr address, std::uint16_t value);

} // namespace tikaroo::test
