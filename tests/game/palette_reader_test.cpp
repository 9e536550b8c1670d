#include "game/fixed_locations.h"
#include "reader_fixture.h"

namespace tikaroo {
namespace {

using PaletteReader = test::ReaderTest;
using test::Poke;
namespace minimal = test::minimal;

TEST_F(PaletteReader, PaletteSetsPutTheBackgroundFirstAndReduceColoursModulo64) {
    Poke(image, 0, minimal::kPaletteSets + 12 * 15,
         {0x4F, 0x01, 0x02, 0x10, 0x11, 0x12, 0xFF, 0x3F, 0x40, 0x20, 0x21, 0x22});
    OtherPalettes other;
    for (std::size_t i = 0; i < other.size(); ++i) other[i] = static_cast<std::uint8_t>(0x80 + i);
    Poke(image, 0, minimal::kOtherPalettes, Bytes(other.begin(), other.end()));
    const GameTables tables = ReadAll();
    ASSERT_EQ(tables.paletteSets.size(), 16U);
    EXPECT_EQ(tables.paletteSets[15], (PaletteSet{0x0F, 0x0F, 0x01, 0x02, 0x0F, 0x10, 0x11, 0x12, 0x0F, 0x3F,
                                                  0x3F, 0x00, 0x0F, 0x20, 0x21, 0x22}));
    EXPECT_EQ(tables.paletteSets[0],
              (PaletteSet{0x0F, 0, 0, 0, 0x0F, 0, 0, 0, 0x0F, 0, 0, 0, 0x0F, 0, 0, 0}));
    EXPECT_EQ(tables.otherPalettes, other);
}

TEST_F(PaletteReader, UpdaterZeroIsReadEvenWhenNoPlayableLevelNamesOne) {
    // The boss slot has no palette byte of its own; the byte after slot 31 must not be taken for it.
    Poke(image, 0, minimal::kLevelPalettes + 32, {0x0D});
    const GameTables tables = ReadAll();
    ASSERT_EQ(tables.paletteUpdaters.size(), 1U);
    EXPECT_TRUE(tables.paletteUpdaters.at(0).modifiers.empty());
}

TEST_F(PaletteReader, UpdatersUpToTheHighestIdOfThePlayableLevels) {
    constexpr CpuPtr kUpdaterTwo = 0xA700;
    Poke(image, 0, minimal::kLevelPalettes + 9, {0x32});
    Poke(image, 0, minimal::kUpdaterLowBytes + 2, {0x00});
    Poke(image, 0, minimal::kUpdaterHighBytes + 2, {0xA7});
    Poke(image, 0, kUpdaterTwo, {0x03, 0x01, 1,   2, 3, 4,                // key 3, one entry
                                 0x01, 0x00,                              // key 1, no entries
                                 0x03, 0x02, 5,   6, 7, 8, 9, 10, 11, 12, // key 3 again: replaces the first
                                 0xFF, 0x07, 0x01});                      // the end; what follows is not read
    const GameTables tables = ReadAll();
    ASSERT_EQ(tables.paletteUpdaters.size(), 3U);
    EXPECT_TRUE(tables.paletteUpdaters.at(1).modifiers.empty());
    const std::vector<PaletteModifier>& modifiers = tables.paletteUpdaters.at(2).modifiers;
    ASSERT_EQ(modifiers.size(), 2U);
    EXPECT_EQ(modifiers[0].key, 1);
    EXPECT_TRUE(modifiers[0].entries.empty());
    EXPECT_EQ(modifiers[1].key, 3);
    EXPECT_EQ(modifiers[1].entries, (std::vector<PaletteAttribute>{{5, 6, 7, 8}, {9, 10, 11, 12}}));
}

TEST_F(PaletteReader, AnUpdaterRunningPastTheWindowFails) {
    Poke(image, 0, minimal::kLevelPalettes, {0x00});
    Poke(image, 0, minimal::kUpdaterLowBytes, {0xFE});
    Poke(image, 0, minimal::kUpdaterHighBytes, {0xFF});
    Poke(image, 0, 0xFFFE, {0x00, 0x01}); // key 0 with one entry that lies beyond $FFFF
    EXPECT_EQ(ReadAllError(), errors::kInvalidPointer);
}

} // namespace
} // namespace tikaroo
