#pragma once

#include "nes_rom.h"

#include <cstdint>

namespace tikaroo {

// Whether a read image has the shape of the game's own layout: mapper 3 with 2 or 4 PRG banks (banks 2
// and 3 of a 64 KB image are never used). Nothing in the program bytes is checked.
bool HasOriginalShape(const CNesRom& rom);

// An image of the game's own mapper-3 layout while it is read and converted: the fixed 32 KB of
// program memory as the CPU sees it, and the tiles of one 8 KB CHR bank. Lives only during a load.
class COriginalRom : public CNesRom {
public:
    Bytes cpuWindow; // bytes 0-16383: PRG bank 0 at $8000, bytes 16384-32767: PRG bank 1 at $C000
    std::uint8_t currentChrBank = 0;

    // 1 when the held image is a mapper-3 image with 2 or 4 PRG banks, else 0 (the object is reset).
    // Raises the tile error when there is not even one CHR bank.
    int ReadOriginal();
    // Stores the tiles of the current bank, then decodes bank `bank` AND 15. 0 when nothing is held.
    int SelectChrBank(std::uint8_t bank);
};

} // namespace tikaroo
