// The readers' cases that the sample does not hold; a load of the sample checks the rest of the format
// against the sample generator's own encoder.
#include "game/fixed_locations.h"
#include "small_game.h"

#include <functional>
#include <tuple>

namespace tikaroo {
namespace {

using TableReaders = test::ReaderTest;
using test::Poke;
using test::PokeWord;
namespace minimal = test::minimal;

TEST_F(TableReaders, ReadingAgainReplacesTheTablesAndResetsTheView) {
    GameTables tables = ReadAll();
    tables.view = {.currentLevel = 5, .bonusMode = true, .selectedIndex = 2};
    tables.levelSets[9] = LevelSet{};
    ReadAllTables(image, tables);
    EXPECT_EQ(tables.levelSets.size(), 1U);
    EXPECT_EQ(tables.view.currentLevel, 0);
    EXPECT_FALSE(tables.view.bonusMode);
    EXPECT_EQ(tables.view.selectedIndex, -1);
}

TEST_F(TableReaders, TablesMayEndAtTheTopOfTheWindowAndNoFurther) {
    const std::tuple<const char*, std::function<void(CGameImage&)>, std::string> cases[] = {
        {"level table A ending at $FFFF",
         [](CGameImage& game) { PokeWord(game, 0, layout::kLevelSetIdsPtr, 0xFFDF); }, ""},
        {"rooms running past $FFFF",
         [](CGameImage& game) { PokeWord(game, 0, minimal::kRoomPointers, 0xFFF0); },
         errors::kInvalidPointer},
        {"a level table below $8000",
         [](CGameImage& game) { PokeWord(game, 0, layout::kEggValuesPtr, 0x7FF0); }, errors::kInvalidPointer},
        {"an updater entry beyond $FFFF",
         [](CGameImage& game) {
             Poke(game, 0, minimal::kLevelPalettes, {0x00});
             Poke(game, 0, minimal::kUpdaterLowBytes, {0xFE});
             Poke(game, 0, minimal::kUpdaterHighBytes, {0xFF});
             Poke(game, 0, 0xFFFE, {0x00, 0x01});
         },
         errors::kInvalidPointer},
        {"an image of zero pointers", [](CGameImage& game) { test::MakeExpandedImage(game); },
         errors::kInvalidPointer},
    };
    for (const auto& [name, poke, error] : cases) {
        SCOPED_TRACE(name);
        SetUp();
        poke(image);
        EXPECT_EQ(ReadAllError(), error);
    }
}

TEST_F(TableReaders, GraphicSetsOfZeroTablesHoldOneEntryEachAndSetSevenIsAdded) {
    Poke(image, 0, minimal::kGraphicSetTables + 5, {3}); // the last block number of the top line
    const GraphicSet set = ReadAll().graphicSets.at(0);
    EXPECT_EQ(set.rooms.size() + set.lineGeom.size() + set.topLines.size() + set.bottomLines.size(), 4U);
    EXPECT_EQ(set.blocks.size(), 4U);
    EXPECT_EQ(set.attributes.size(), 4U);

    Poke(image, 0, minimal::kAttributes, {0x70});
    const GameTables tables = ReadAll();
    ASSERT_EQ(tables.graphicSets.size(), 8U);
    EXPECT_EQ(tables.graphicSets.at(7).used, 1U);
    EXPECT_EQ(tables.graphicSets.at(0).used, 0U);
    EXPECT_TRUE(tables.graphicSets.at(0).rooms.empty());
}

TEST_F(TableReaders, PaletteColoursAreReducedToTheSixtyFourNesColours) {
    Poke(image, 0, minimal::kPaletteSets + 12 * 15, {0x4F, 0xFF, 0x40});
    const PaletteSet set = ReadAll().paletteSets[15];
    EXPECT_EQ((std::array{set[0], set[1], set[2], set[3]}),
              (std::array<std::uint8_t, 4>{0x0F, 0x0F, 0x3F, 0x00}));
}

TEST_F(TableReaders, OnlyTheSecOpcodeTurnsHolesOn) {
    for (const auto& [opcode, holes] : {std::pair{layout::kHolesOff, 0U}, {0x39, 0U}, {0x38, 1U}}) {
        Poke(image, 0, layout::kHoles, {opcode});
        EXPECT_EQ(ReadAll().gameSettings.holes, holes) << int{opcode};
    }
}

TEST_F(TableReaders, UpdatersKeepOneModifierPerKeyInKeyOrderAndStopAtTheEnd) {
    Poke(image, 0, minimal::kLevelPalettes + 9, {0x31});
    Poke(image, 0, minimal::kUpdaterLowBytes + 1, {0x00});
    Poke(image, 0, minimal::kUpdaterHighBytes + 1, {0xA7});
    Poke(image, 0, 0xA700, {0x03, 0x01, 1,   2, 3, 4,                // key 3, one entry
                            0x01, 0x00,                              // key 1, no entries
                            0x03, 0x02, 5,   6, 7, 8, 9, 10, 11, 12, // key 3 again: replaces the first
                            0xFF, 0x07, 0x01});                      // the end; what follows is not read
    const std::vector<PaletteModifier> modifiers = ReadAll().paletteUpdaters.at(1).modifiers;
    ASSERT_EQ(modifiers.size(), 2U);
    EXPECT_EQ(modifiers[0].key, 1);
    EXPECT_TRUE(modifiers[0].entries.empty());
    EXPECT_EQ(modifiers[1].key, 3);
    EXPECT_EQ(modifiers[1].entries, (std::vector<PaletteAttribute>{{5, 6, 7, 8}, {9, 10, 11, 12}}));
}

} // namespace
} // namespace tikaroo
