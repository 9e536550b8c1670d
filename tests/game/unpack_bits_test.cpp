#include "game/unpack_bits.h"

#include "rom/rom_error.h"

#include <gtest/gtest.h>

#include <array>

namespace tikaroo {
namespace {

TEST(UnpackBits, TakesFieldsFromTheMostSignificantBitOfTheFirstByte) {
    // 101110 01 | 011 100 10 | 1001 0110
    const std::array<std::uint8_t, 3> packed = {0xB9, 0x72, 0x96};
    const std::array<std::uint8_t, 7> widths = {6, 2, 3, 3, 2, 4, 4};
    EXPECT_EQ(unpackBits(packed, widths), (Bytes{46, 1, 3, 4, 2, 9, 6}));
}

TEST(UnpackBits, FieldsMayCrossByteBoundaries) {
    const std::array<std::uint8_t, 3> packed = {0xFC, 0x0F, 0xC1};
    const std::array<std::uint8_t, 4> widths = {6, 6, 6, 6};
    EXPECT_EQ(unpackBits(packed, widths), (Bytes{63, 0, 63, 1}));
}

TEST(UnpackBits, EightBytesOrNoneYieldNothing) {
    const std::array<std::uint8_t, 8> eight{};
    const std::array<std::uint8_t, 1> widths = {8};
    EXPECT_TRUE(unpackBits(eight, widths).empty());
    EXPECT_TRUE(unpackBits(std::span<const std::uint8_t>(), widths).empty());
    const std::array<std::uint8_t, 7> seven = {0, 0, 0, 0, 0, 0, 0xA5};
    const std::array<std::uint8_t, 7> bytesOfSeven = {8, 8, 8, 8, 8, 8, 8};
    EXPECT_EQ(unpackBits(seven, bytesOfSeven), (Bytes{0, 0, 0, 0, 0, 0, 0xA5}));
}

TEST(UnpackBits, AskingForMoreBitsThanStoredIsRefused) {
    const std::array<std::uint8_t, 1> packed = {0xFF};
    const std::array<std::uint8_t, 2> widths = {6, 3};
    EXPECT_THROW(unpackBits(packed, widths), RomError);
}

} // namespace
} // namespace tikaroo
