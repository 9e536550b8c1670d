#include "read_cursor.h"

#include <algorithm>

namespace tikaroo {

std::size_t ReadBytes(ReadCursor& cursor, std::size_t count, Bytes& out) {
    out.clear();
    const std::size_t available = cursor.AtEnd() ? 0 : cursor.buffer.size() - cursor.position;
    const std::size_t moved = std::min(count, available);
    const auto from = cursor.buffer.begin() + static_cast<std::ptrdiff_t>(cursor.position);
    out.assign(from, from + static_cast<std::ptrdiff_t>(moved));
    cursor.position += moved;
    return moved;
}

} // namespace tikaroo
