#pragma once

#include "rom/bytes.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace tikaroo::test {

// "08 0A 48" -> {0x08, 0x0A, 0x48}
inline Bytes HexBytes(const std::string& text) {
    Bytes bytes;
    std::istringstream in(text);
    std::string item;
    while (in >> item) bytes.push_back(static_cast<std::uint8_t>(std::stoul(item, nullptr, 16)));
    return bytes;
}

// The stub block of the expanded layout as its layout table gives it: CPU range and bytes per routine.
struct StubRow {
    std::uint16_t first;
    std::uint16_t last;
    const char* bytes;
};
inline const std::vector<StubRow> kStubRowsAsDocumented = {
    {0xCB99, 0xCBB3, "08 0A 48 A9 06 8D 00 80 68 8D 01 80 18 69 01 48 A9 07 8D 00 80 68 8D 01 80 28 60"},
    {0xCBB4, 0xCC04,
     "08 48 29 0F 0A 0A 0A 18 48 A9 00 8D 00 80 68 8D 01 80 69 02 48 A9 01 8D 00 80 68 8D 01 80 69 02 48 A9 "
     "02 8D 00 80 68 8D 01 80 69 01 48 A9 03 8D 00 80 68 8D 01 80 69 01 48 A9 04 8D 00 80 68 8D 01 80 69 01 "
     "48 A9 05 8D 00 80 68 8D 01 80 68 28 60"},
    {0xCC05, 0xCC11, "A9 01 20 99 CB 20 BE C8 A9 00 4C 99 CB"},
    {0xCC12, 0xCC1D, "48 A5 8C 85 FF 68 85 8C 20 99 CB 60"},
    {0xCC1E, 0xCC2C, "85 FE A9 02 20 12 CC 20 0D 81 A5 FF 4C 12 CC"},
    {0xCC2D, 0xCC3B, "85 FE A9 02 20 12 CC 20 7A 81 A5 FF 4C 12 CC"},
    {0xCC3C, 0xCC4A, "85 FE A9 02 20 12 CC 20 98 81 A5 FF 4C 12 CC"},
    {0xCC4B, 0xCC59, "85 FE A9 02 20 12 CC 20 20 80 A5 FF 4C 12 CC"},
    {0xCC5A, 0xCC68, "85 FE A9 02 20 12 CC 20 63 81 A5 FF 4C 12 CC"},
    {0xCC69, 0xCC6E, "A9 01 9D 54 05 60"},
    {0xCC6F, 0xCC8C,
     "A5 FF 20 12 CC B9 FF 8E 85 FE B9 FE 8E 85 FD E6 FD D0 02 E6 FE A9 CC 48 A9 8C 48 6C FD 00"},
    {0xCC8D, 0xCC91, "A5 FF 4C 12 CC"},
    {0xCC92, 0xCCA1, "48 A9 00 20 99 CB 20 06 B7 A5 8C 20 99 CB 68 40"},
    {0xCCA2, 0xCCB2, "85 FE A9 03 20 12 CC A5 FE 20 00 80 A5 FF 4C 12 CC"},
    {0xCCB3, 0xCCC0, "78 A9 00 20 99 CB A9 00 8D 00 A0 4C 00 80"},
};

inline constexpr std::uint16_t kStubBlockStart = 0xCB99;

// The rows above as one run of bytes from kStubBlockStart; empty where the rows do not join up.
inline Bytes DocumentedStubBlock() {
    Bytes block;
    for (const StubRow& row : kStubRowsAsDocumented) {
        const Bytes bytes = HexBytes(row.bytes);
        if (row.first != kStubBlockStart + block.size() || row.last + 1U != row.first + bytes.size())
            return {};
        block.insert(block.end(), bytes.begin(), bytes.end());
    }
    return block;
}

} // namespace tikaroo::test
