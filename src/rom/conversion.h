#pragma once

#include "game_image.h"
#include "nes_rom.h"
#include "original_rom.h"

#include <array>
#include <cstdint>
#include <string>

namespace tikaroo {

inline constexpr std::size_t kExpandedChrBytes = 0x20000;
inline constexpr std::size_t kOriginalChrBytes = 0x8000;

// Rebuilds the header of `target` from `headerTemplate` and the banks it holds, marks it loaded when it
// has PRG and CHR banks, and takes `fileName`.
void MergeHeader(CNesRom& target, const std::string& fileName,
                 const std::array<std::uint8_t, kHeaderSize>& headerTemplate);

// Turns an original-layout image into the expanded layout in the empty `target`: new banks and header,
// the window set up, then the program moved and patched to run on mapper 4. Raises when the original's
// CHR data is not 32 KB (the target is then untouched) and when a table pointer of the image is bad.
void ConvertToExpanded(const COriginalRom& source, CGameImage& target);

} // namespace tikaroo
