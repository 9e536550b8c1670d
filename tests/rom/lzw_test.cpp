#include "rom/lzw.h"

#include <gtest/gtest.h>

#include <vector>

namespace tikaroo {
namespace {

// Packs codes 12 bits each, most significant bit first, and pads the last byte with zero bits.
Bytes PackCodes(const std::vector<unsigned>& codes, std::size_t extraPaddingBytes = 0) {
    std::vector<bool> bits;
    for (const unsigned code : codes)
        for (int bit = 11; bit >= 0; --bit) bits.push_back(((code >> bit) & 1U) != 0);
    Bytes out((bits.size() + 7) / 8 + extraPaddingBytes, 0);
    for (std::size_t i = 0; i < bits.size(); ++i)
        if (bits[i]) out[i / 8] |= static_cast<std::uint8_t>(0x80U >> (i % 8));
    return out;
}

Bytes Decode(const std::vector<unsigned>& codes) {
    return LzwDecode(PackCodes(codes));
}

TEST(LzwDecode, DescribedExamples) {
    EXPECT_EQ(Decode({0x41, 4095}), (Bytes{0x41}));
    // 256 was defined as 0x41 0x42 when 0x42 arrived.
    EXPECT_EQ(Decode({0x41, 0x42, 256, 4095}), (Bytes{0x41, 0x42, 0x41, 0x42}));
    // 256 is used in the step that defines it: the old string plus its own first byte.
    EXPECT_EQ(Decode({0x41, 256, 4095}), (Bytes{0x41, 0x41, 0x41}));
    // Trailing padding after the end code is ignored, even a whole zero byte.
    EXPECT_EQ(LzwDecode(PackCodes({0x41, 0x42, 4095}, 1)), (Bytes{0x41, 0x42}));
    EXPECT_EQ(Decode({0x00, 0xFF, 256, 257, 4095}), (Bytes{0x00, 0xFF, 0x00, 0xFF, 0xFF, 0x00}));
}

TEST(LzwDecode, CorruptStreamsStopWithWhatWasDecoded) {
    EXPECT_TRUE(LzwDecode({}).empty());
    EXPECT_TRUE(Decode({4095}).empty());
    // A first code must be a byte.
    EXPECT_TRUE(Decode({256, 0x41, 4095}).empty());
    // Input used up before the end code: no endless stream of zero codes.
    EXPECT_EQ(Decode({0x41, 0x42}), (Bytes{0x41, 0x42}));
    Bytes cut = PackCodes({0x41, 0x42, 0x43, 4095});
    cut.resize(4); // the third code loses its last 4 bits
    EXPECT_EQ(LzwDecode(cut), (Bytes{0x41, 0x42}));
    // A code beyond the next free one.
    EXPECT_EQ(Decode({0x41, 0x42, 258, 0x43, 4095}), (Bytes{0x41, 0x42}));
    EXPECT_EQ(Decode({0x41, 4094, 4095}), (Bytes{0x41}));
}

} // namespace
} // namespace tikaroo
