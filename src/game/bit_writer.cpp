#include "bit_writer.h"

namespace tikaroo {

unsigned BitWriter::Put(std::uint32_t value, unsigned width) {
    for (unsigned bit = width; bit-- > 0;) {
        if (bitPosition == 0) bytes.push_back(0);
        if ((value >> bit) & 1U) bytes.back() |= static_cast<std::uint8_t>(0x80U >> bitPosition);
        bitPosition = (bitPosition + 1) % 8;
    }
    return bitPosition;
}

} // namespace tikaroo
