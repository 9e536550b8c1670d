#include "support/expanded_image.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

TEST(ExpandedImageSupport, PokedBytesShowWhereTheirBankIsMapped) {
    CGameImage image;
    test::MakeExpandedImage(image);
    EXPECT_EQ(image.prgBanks.size(), test::kExpandedPrgBanks);
    EXPECT_EQ(image.chrData.size(), test::kExpandedChrSize);
    test::Poke(image, 0, 0x9000, {1, 2});
    test::Poke(image, 3, 0x9000, {3, 4});
    test::PokeWord(image, 5, 0xC100, 0xBEEF);
    EXPECT_EQ(image.Read16(0x9000), 0x0201);
    EXPECT_EQ(image.Read16(0xC100), 0xBEEF);
    image.MapBank(3);
    EXPECT_EQ(image.Read16(0x9000), 0x0403);
    EXPECT_EQ(image.Read16(0xC100), 0xBEEF);
    test::Poke(image, 3, 0xA000, {9});
    EXPECT_EQ(image.Read8(0xA000), 9);
    image.MapBank(0);
    EXPECT_EQ(image.Read16(0x9000), 0x0201);
    EXPECT_EQ(image.prgBanks[3][0x2000], 9);
}

} // namespace
} // namespace tikaroo
