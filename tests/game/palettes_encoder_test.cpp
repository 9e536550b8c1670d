#include "game/fixed_locations.h"
#include "game/palettes_encoder.h"

#include "small_game.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

constexpr std::uint32_t kStart = 0xD000;

PaletteModifier Modifier(std::uint8_t key, std::uint8_t staleCount, std::vector<PaletteAttribute> entries) {
    return PaletteModifier{key, staleCount, std::move(entries)};
}

class PalettesEncoderTest : public ::testing::Test {
protected:
    void SetUp() override { test::MakeSmallGame(image, tables); }
    std::uint16_t Word(CpuPtr address) { return image.Read16(address); }
    Bytes At(std::uint32_t address, std::size_t count) { return test::BytesAt(image, 0, address, count); }

    CGameImage image;
    GameTables tables;
};

TEST_F(PalettesEncoderTest, WritesOtherPalettesLevelTableCAndPaletteSets) {
    for (std::size_t i = 0; i < tables.otherPalettes.size(); ++i)
        tables.otherPalettes[i] = static_cast<std::uint8_t>(i);
    tables.paletteSets[1] = {0x0F, 1, 2, 3, 0x0F, 4, 5, 6, 0x0F, 7, 8, 9, 0x0F, 10, 11, 12};
    tables.levels[2].paletteSet = 1;
    tables.levels[2].paletteUpdater = 0;

    EncodePalettes(image, tables, kStart);

    EXPECT_EQ(At(test::kSmallOtherPalettes, 48),
              Bytes(tables.otherPalettes.begin(), tables.otherPalettes.end()));
    EXPECT_EQ(Word(layout::kLevelPalettesPtr), kStart);
    EXPECT_EQ(At(kStart, 3), (Bytes{0x0F, 0x0F, 0x10}));
    EXPECT_EQ(Word(layout::kPaletteSetsPtr), kStart + 33);
    EXPECT_EQ(At(kStart + 33 + 12, 12), (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(Word(layout::kPaletteUpdaterLowPtr), kStart + 33 + 16 * 12);
}

TEST_F(PalettesEncoderTest, UnusedUpdatersAreDroppedAndTheRestRenumbered) {
    tables.paletteUpdaters.clear();
    tables.paletteUpdaters[0].modifiers = {Modifier(1, 0, {{1, 2, 3, 4}})};
    tables.paletteUpdaters[1].modifiers = {Modifier(9, 1, {{9, 9, 9, 9}})};
    tables.paletteUpdaters[2].modifiers = {Modifier(7, 7, {{5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}}),
                                           Modifier(2, 0, {})};
    tables.levels[0].paletteUpdater = 0;
    tables.levels[5].paletteUpdater = 2;
    tables.levels[5].paletteSet = 3;

    const std::uint32_t end = EncodePalettes(image, tables, kStart);

    ASSERT_EQ(tables.paletteUpdaters.size(), 2U);
    EXPECT_EQ(tables.levels[5].paletteUpdater, 1);
    EXPECT_EQ(At(kStart + 5, 1), Bytes{0x31});
    const PaletteUpdater& renumbered = tables.paletteUpdaters.at(1);
    ASSERT_EQ(renumbered.modifiers.size(), 2U);
    EXPECT_EQ(renumbered.modifiers[0].key, 2); // key order
    EXPECT_EQ(renumbered.modifiers[1].count, 3);

    const CpuPtr lowBytes = kStart + 33 + 16 * 12;
    EXPECT_EQ(Word(layout::kPaletteUpdaterHighPtr), lowBytes + 2);
    const std::uint32_t first = lowBytes + 4;
    const std::uint32_t second = first + 2 + 4 + 1;
    EXPECT_EQ(At(lowBytes, 4),
              (Bytes{static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(second),
                     static_cast<std::uint8_t>(first >> 8), static_cast<std::uint8_t>(second >> 8)}));
    EXPECT_EQ(At(first, 7), (Bytes{1, 1, 1, 2, 3, 4, 0xFF}));
    EXPECT_EQ(At(second, 2 + 2 + 12 + 1),
              (Bytes{2, 0, 7, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0xFF}));
    EXPECT_EQ(end, second + 17);
}

TEST_F(PalettesEncoderTest, WithNoUpdaterNamedAnEmptyUpdaterZeroStays) {
    tables.paletteUpdaters[0].modifiers = {Modifier(1, 1, {{1, 2, 3, 4}})};
    tables.paletteUpdaters[1] = PaletteUpdater{};

    const std::uint32_t end = EncodePalettes(image, tables, kStart);

    ASSERT_EQ(tables.paletteUpdaters.size(), 1U);
    EXPECT_TRUE(tables.paletteUpdaters.at(0).modifiers.empty());
    const CpuPtr lowBytes = kStart + 33 + 16 * 12;
    const std::uint32_t updater = lowBytes + 2;
    EXPECT_EQ(At(lowBytes, 2),
              (Bytes{static_cast<std::uint8_t>(updater), static_cast<std::uint8_t>(updater >> 8)}));
    EXPECT_EQ(At(updater, 1), Bytes{0xFF});
    EXPECT_EQ(end, updater + 1);
}

} // namespace
} // namespace tikaroo
