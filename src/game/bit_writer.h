#pragma once

#include "rom/bytes.h"

#include <cstdint>

namespace tikaroo {

// Appends bit fields to a byte vector, most significant bit first, the way the game's tables are
// packed. A field continues in the last byte where the previous one stopped.
class BitWriter {
public:
    // Appends to `out`; the first field starts in a new byte.
    explicit BitWriter(Bytes& out) : bytes(out) {}

    // Appends the low `width` bits (at most 32) of `value`; returns the bits used in the last byte (0
    // when the field ended on a byte boundary).
    unsigned Put(std::uint32_t value, unsigned width);
    // Bits used in the last byte; 0 on a byte boundary.
    unsigned BitPosition() const { return bitPosition; }

private:
    Bytes& bytes;
    unsigned bitPosition = 0;
};

} // namespace tikaroo
