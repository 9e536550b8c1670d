#include "bps_format.h"

#include <zlib.h>

namespace tikaroo::bps {

void PutNumber(Bytes& out, std::uint64_t value) {
    for (;;) {
        const auto low = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
        if (value == 0) {
            out.push_back(0x80 | low);
            return;
        }
        out.push_back(low);
        --value;
    }
}

std::size_t NumberSize(std::uint64_t value) {
    std::size_t size = 1;
    for (value >>= 7; value != 0; value = (value - 1) >> 7) ++size;
    return size;
}

std::uint64_t CursorMove(std::int64_t delta) {
    const auto distance = static_cast<std::uint64_t>(delta < 0 ? -delta : delta);
    return distance << 1 | (delta < 0 ? 1 : 0);
}

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
    return static_cast<std::uint32_t>(crc32_z(crc32_z(0, nullptr, 0), bytes.data(), bytes.size()));
}

void PutCrc32(Bytes& out, std::uint32_t crc) {
    for (int byte = 0; byte < 4; ++byte) out.push_back(static_cast<std::uint8_t>(crc >> (8 * byte)));
}

} // namespace tikaroo::bps
