#include "rom/game_image.h"
#include "rom/rom_error.h"

#include "support/error_text.h"

#include <gtest/gtest.h>

#include <functional>

namespace tikaroo {
namespace {

TEST(CpuWindow, EveryWidthStaysInsideTheWindow) {
    CGameImage image;
    image.cpuWindow.assign(kCpuWindowSize, 0);
    EXPECT_NO_THROW(image.Read16(0xFFFE));
    EXPECT_NO_THROW(image.Read32(0xFFFC));
    const std::function<void()> outside[] = {
        [&] { image.Read16(0xFFFF); }, [&] { image.Read8(0x7FFF); },
        [&] { image.Read32(0xFFFD); }, [&] { image.Write8(0x10000, 1); },
        [&] { image.Read8(0x1FFFF); }, [&] { image.WriteOperand(0xFFFE, 1); }};
    for (const auto& access : outside)
        EXPECT_EQ(test::ErrorText<RomError>(access), "Invalid pointer operation");
}

// Every tile goes back into the CHR data, the last one included.
TEST(AllTiles, DecodeAndEncodeTheWholeChrData) {
    CGameImage image;
    image.chrData.resize(2 * kChrBankSize);
    for (std::size_t i = 0; i < image.chrData.size(); ++i)
        image.chrData[i] = static_cast<std::uint8_t>(i * 11);
    Bytes expected = image.chrData;
    std::fill(expected.end() - 16, expected.end(), 0);
    image.DecodeAllTiles();
    ASSERT_EQ(image.allTiles.size(), 1024U);
    image.allTiles[1023].fill(0);
    image.EncodeAllTiles();
    EXPECT_EQ(image.chrData, expected);
}

} // namespace
} // namespace tikaroo
