// The palette operations of the model and the modifier rules of the updaters editor.
#include "game/game_rom.h"
#include "game/palette_modifiers.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

PaletteModifier Modifier(std::uint8_t key, std::vector<PaletteAttribute> entries) {
    const auto count = static_cast<std::uint8_t>(entries.size());
    return {key, count, std::move(entries)};
}

// A loaded game with three updaters named by levels 0-2 and the bonus levels naming updater 2.
CGameRom ThreeUpdaterGame() {
    CGameRom rom;
    rom.loaded = 1;
    rom.paletteSets.assign(kPaletteSetCount, PaletteSet{});
    rom.levels.resize(kLevelSlotCount);
    rom.bonusLevels.resize(kBonusLevelCount);
    for (std::uint8_t id = 0; id < 3; ++id) {
        rom.paletteUpdaters[id].modifiers = {Modifier(id, {{0, id, id, id}})};
        rom.levels[id].paletteUpdater = id;
    }
    for (Level& bonus : rom.bonusLevels) bonus.paletteUpdater = 2;
    return rom;
}

TEST(PaletteEdits, EveryOperationRefusesWithoutAMainLevel) {
    const std::pair<const char*, void (*)(CGameRom&)> cases[] = {
        {"no ROM", [](CGameRom& rom) { rom.loaded = 0; }},
        {"bonus level shown", [](CGameRom& rom) { rom.view.bonusMode = true; }},
    };
    for (const auto& [name, shape] : cases) {
        SCOPED_TRACE(name);
        CGameRom rom = ThreeUpdaterGame();
        shape(rom);
        const CGameRom before = rom;
        EXPECT_FALSE(rom.SetPaletteSets(std::vector<PaletteSet>(kPaletteSetCount, PaletteSet{1})));
        EXPECT_FALSE(rom.GetOtherPalettes());
        EXPECT_FALSE(rom.SetOtherPalettes({}));
        EXPECT_FALSE(rom.PaletteUpdaterList());
        EXPECT_FALSE(rom.SetPaletteUpdaters({}));
        EXPECT_EQ(rom.paletteSets, before.paletteSets);
        EXPECT_EQ(rom.paletteUpdaters.size(), 3U);
        EXPECT_EQ(rom.levels[1].paletteUpdater, 1);
    }
}

TEST(PaletteEdits, PaletteSetsAreReplacedOnlyWithTheSameCount) {
    CGameRom rom = ThreeUpdaterGame();
    EXPECT_FALSE(rom.SetPaletteSets(std::vector<PaletteSet>(kPaletteSetCount - 1, PaletteSet{7})));
    EXPECT_EQ(rom.paletteSets[0], PaletteSet{});
    std::vector<PaletteSet> sets(kPaletteSetCount, PaletteSet{});
    sets[7][5] = 0x2A;
    EXPECT_TRUE(rom.SetPaletteSets(sets));
    EXPECT_EQ(rom.paletteSets, sets);
}

TEST(PaletteEdits, OtherPalettesAreThreeSixteenColourPalettes) {
    CGameRom rom = ThreeUpdaterGame();
    for (std::size_t i = 0; i < rom.otherPalettes.size(); ++i)
        rom.otherPalettes[i] = static_cast<std::uint8_t>(i);
    CGameRom::OtherPaletteList palettes = rom.GetOtherPalettes().value();
    EXPECT_EQ(palettes[2][3], 35);
    palettes[1][15] = 0x3F;
    EXPECT_TRUE(rom.SetOtherPalettes(palettes));
    EXPECT_EQ(rom.otherPalettes[31], 0x3F);
    EXPECT_EQ(rom.otherPalettes[32], 32);
}

TEST(PaletteEdits, LevelsWhoseUpdaterIsGoneShowNotUsedAndBonusLevelsStay) {
    CGameRom rom = ThreeUpdaterGame();
    std::vector<PaletteUpdater> list = rom.PaletteUpdaterList().value();
    ASSERT_EQ(list.size(), 3U);
    EXPECT_EQ(list[1].modifiers[0].key, 1);
    list.pop_back();
    list[0].modifiers.clear();
    EXPECT_TRUE(rom.SetPaletteUpdaters(list));
    EXPECT_EQ(rom.paletteUpdaters.size(), 2U);
    EXPECT_TRUE(rom.paletteUpdaters.at(0).modifiers.empty());
    EXPECT_EQ(rom.levels[1].paletteUpdater, 1);
    EXPECT_EQ(rom.levels[2].paletteUpdater, kNoPaletteUpdater);
    EXPECT_EQ(rom.bonusLevels[0].paletteUpdater, 2);
    // Ids are nibbles and 15 means none: a sixteenth updater cannot be named.
    EXPECT_FALSE(rom.SetPaletteUpdaters(std::vector<PaletteUpdater>(kNoPaletteUpdater + 1)));
}

TEST(PaletteModifiers, GridRowsFollowTheEntries) {
    const PaletteModifier modifier =
        Modifier(9, {{2, 0x11, 0x12, 0x13}, {0, 0x01, 0x02, 0x03}, {5, 1, 2, 3}});
    const PaletteGrid grid = ModifierGrid(modifier);
    EXPECT_EQ(grid, (PaletteGrid{0x0F, 0x01, 0x02, 0x03, 0x40, 0x40, 0x40, 0x40, 0x0F, 0x11, 0x12, 0x13, 0x40,
                                 0x40, 0x40, 0x40}));
    const PaletteModifier back = GridModifier(9, grid);
    EXPECT_EQ(back.count, 2);
    EXPECT_EQ(back.entries, (std::vector<PaletteAttribute>{{0, 0x01, 0x02, 0x03}, {2, 0x11, 0x12, 0x13}}));
}

} // namespace
} // namespace tikaroo
