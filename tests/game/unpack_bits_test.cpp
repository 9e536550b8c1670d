#include "game/unpack_bits.h"

#include "rom/rom_error.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

TEST(UnpackBits, TakesFieldsFromTheMostSignificantBitOfTheFirstByte) {
    const struct {
        Bytes packed;
        Bytes widths;
        Bytes fields;
    } cases[] = {
        {{0xFC, 0x0F, 0xC1}, {6, 6, 6, 6}, {63, 0, 63, 1}}, // fields across byte boundaries
        {{0, 0, 0, 0, 0, 0, 0xA5}, {8, 8, 8, 8, 8, 8, 8}, {0, 0, 0, 0, 0, 0, 0xA5}},
        {Bytes(8, 0), {8}, {}}, // eight bytes or none yield nothing
        {{}, {8}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(unpackBits(c.packed, c.widths), c.fields);
    EXPECT_THROW(unpackBits(Bytes{0xFF}, Bytes{6, 3}), RomError);
}

} // namespace
} // namespace tikaroo
