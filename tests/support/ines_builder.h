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

} // namespace tikaroo::test
