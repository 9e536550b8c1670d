#include "lzw/lzw_encoder.h"
#include "rom/lzw.h"

#include <gtest/gtest.h>

#include <random>

namespace tikaroo {
namespace {

void ExpectRoundTrip(const Bytes& data) {
    const Bytes packed = LzwEncode(data);
    ASSERT_EQ(LzwDecode(packed), data) << data.size() << " bytes";
}

TEST(LzwEncoder, SmallInputs) {
    ExpectRoundTrip({});
    ExpectRoundTrip({0x41});
    ExpectRoundTrip({0x41, 0x41, 0x41});
    ExpectRoundTrip({0x41, 0x42, 0x41, 0x42, 0x41, 0x42, 0x41});
}

// Also once the dictionary is full, and with strings of hundreds of bytes.
TEST(LzwEncoder, LargeVariedDataFillsTheDictionary) {
    std::mt19937 random(1234);
    Bytes noise(300000);
    for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
    ExpectRoundTrip(noise);

    Bytes runs(1 << 20, 0);
    ExpectRoundTrip(runs);
    EXPECT_LT(LzwEncode(runs).size(), runs.size() / 100);

    // Pictures: few values, long runs, repeated rows, with some noise.
    Bytes picture;
    for (int row = 0; row < 4000; ++row)
        for (int x = 0; x < 128; ++x)
            picture.push_back(
                static_cast<std::uint8_t>((x / (1 + row % 17)) % 5 + (random() % 97 == 0 ? 7 : 0)));
    ExpectRoundTrip(picture);
    EXPECT_LT(LzwEncode(picture).size(), picture.size() / 3);
}

} // namespace
} // namespace tikaroo
