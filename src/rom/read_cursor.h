#pragma once

#include "bytes.h"

#include <cstddef>

namespace tikaroo {

// A byte buffer read from the front.
struct ReadCursor {
    Bytes buffer;
    std::size_t position = 0;

    bool AtEnd() const { return position >= buffer.size(); }
};

// Empties `out` and moves up to `count` bytes into it (fewer at the end of the buffer); returns how many.
std::size_t ReadBytes(ReadCursor& cursor, std::size_t count, Bytes& out);

} // namespace tikaroo
