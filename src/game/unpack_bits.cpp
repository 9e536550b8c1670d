#include "unpack_bits.h"

#include "rom/rom_error.h"

namespace tikaroo {

namespace {
constexpr std::size_t kMaxPackedBytes = 7;
} // namespace

Bytes unpackBits(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> widths) {
    Bytes fields;
    if (bytes.empty() || bytes.size() > kMaxPackedBytes) return fields;
    std::uint64_t accumulator = 0;
    for (std::uint8_t byte : bytes) accumulator = (accumulator << 8) | byte;
    unsigned bitsLeft = static_cast<unsigned>(bytes.size() * 8);
    fields.reserve(widths.size());
    for (std::uint8_t width : widths) {
        if (width > 8 || width > bitsLeft) throw RomError(errors::kBitfieldOutOfRange);
        bitsLeft -= width;
        fields.push_back(static_cast<std::uint8_t>((accumulator >> bitsLeft) & ((1U << width) - 1U)));
    }
    return fields;
}

} // namespace tikaroo
