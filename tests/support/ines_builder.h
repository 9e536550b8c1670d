#pragma once

#include "rom/bytes.h"

#include <cstddef>
#include <cstdint>

namespace tikaroo::test {

struct InesShape {
    std::uint8_t mapper = 0;
    std::size_t prgBanks = 2;
    std::size_t chrBanks = 4;
    bool trainer = false;
    bool verticalMirroring = false;
};

// A well-formed iNES file of the given shape; every PRG and CHR byte carries a pattern that tells
// its bank and offset apart, so moved or lost bytes show in comparisons.
Bytes MakeInesFile(const InesShape& shape);

// The byte that MakeInesFile puts at `offset` of PRG bank `bank`.
std::uint8_t PrgPattern(std::size_t bank, std::size_t offset);

// Where MakeOriginalFile puts the two level-set tables that opening follows: the 12 level-set data
// pointers (fixed bank, pointing into the room data at $D9FA-$E23F) and the 12 level-set bytes (bank 0).
inline constexpr std::uint16_t kOriginalLevelSetPointers = 0xE240;
inline constexpr std::uint16_t kOriginalLevelSetBytes = 0xBBA0;

// A mapper-3 image in the game's own layout: MakeInesFile's patterns, with the words at $BB50 and $BB92
// naming the two level-set tables above.
Bytes MakeOriginalFile(std::size_t prgBanks = 2, std::size_t chrBanks = 4);

// Bytes of an original-layout file without trainer by CPU address: $8000-$BFFF is PRG bank 0,
// $C000-$FFFF PRG bank 1.
std::uint8_t PeekOriginal8(const Bytes& file, std::uint32_t address);
std::uint16_t PeekOriginal16(const Bytes& file, std::uint32_t address);
void PokeOriginal8(Bytes& file, std::uint32_t address, std::uint8_t value);
void PokeOriginal16(Bytes& file, std::uint32_t address, std::uint16_t value);

} // namespace tikaroo::test
