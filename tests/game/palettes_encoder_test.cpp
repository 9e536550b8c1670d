#include "game/palettes_encoder.h"

#include "small_game.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

// The format of what the palettes encoder writes is checked by the readers' tests and the random round
// trip; this case is one that no load gives.
using PalettesEncoder = test::SmallGameTest;

TEST_F(PalettesEncoder, WithNoUpdaterNamedAnEmptyUpdaterZeroStays) {
    tables.paletteUpdaters[0].modifiers = {PaletteModifier{1, 1, {{1, 2, 3, 4}}}};
    tables.paletteUpdaters[1] = PaletteUpdater{};
    constexpr std::uint32_t kStart = 0xD000;

    const std::uint32_t end = EncodePalettes(image, tables, kStart);

    ASSERT_EQ(tables.paletteUpdaters.size(), 1U);
    EXPECT_TRUE(tables.paletteUpdaters.at(0).modifiers.empty());
    const CpuPtr lowBytes = kStart + 33 + 16 * 12;
    const std::uint32_t updater = lowBytes + 2;
    EXPECT_EQ(test::BytesAt(image, 0, lowBytes, 2),
              (Bytes{static_cast<std::uint8_t>(updater), static_cast<std::uint8_t>(updater >> 8)}));
    EXPECT_EQ(test::BytesAt(image, 0, updater, 1), Bytes{0xFF});
    EXPECT_EQ(end, updater + 1);
}

} // namespace
} // namespace tikaroo
