#include "game/rom_builder.h"
#include "game/table_readers.h"

#include "small_game.h"
#include "support/model_compare.h"
#include "support/random_model.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace tikaroo {
namespace {

// What a level plays, whatever ids its level set and updater have: a save drops unused sets and
// updaters, numbers the rest anew, sorts the objects lists by x and the modifiers by key, and counts
// the modifiers' entries again.
auto Played(const GameTables& tables, const Level& level) {
    const LevelSet& set = tables.levelSets.at(level.levelSet);
    const bool updater = level.paletteUpdater != kNoPaletteUpdater;
    std::vector<PaletteModifier> modifiers;
    if (updater) modifiers = tables.paletteUpdaters.at(level.paletteUpdater).modifiers;
    std::ranges::stable_sort(modifiers, {}, &PaletteModifier::key);
    for (PaletteModifier& modifier : modifiers)
        modifier.count = static_cast<std::uint8_t>(modifier.entries.size());
    ObjectLists lists = level.objectLists;
    for (ObjectsList& list : lists) std::ranges::stable_sort(list, {}, &ObjectEntry::x);
    return std::tuple(set.rooms, set.tops, set.music, set.attributes, level.eggValues, level.paletteSet,
                      updater, modifiers, lists);
}

using SaveRoundTrip = test::SmallGameTest;

TEST_F(SaveRoundTrip, RandomlyEditedModelsComeBackAsSaved) {
    const test::TempDir directory;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        SetUp();
        std::mt19937 random(seed);
        test::RandomizeModel(tables, random);
        const GameTables edited = tables;
        const std::string first = directory.Path("first.nes");
        ASSERT_NO_THROW(SaveGameImage(image, tables, first));
        for (std::size_t slot = 0; slot < kLevelSlotCount; ++slot)
            EXPECT_EQ(Played(tables, tables.levels[slot]), Played(edited, edited.levels[slot]))
                << "slot " << slot;

        CGameImage reopened; // opened as the editor opens a saved file
        reopened.ReadRomFile(first);
        reopened.SetUpExpanded();
        GameTables read;
        ReadAllTables(reopened, read);
        test::ExpectSameStoredModel(read, tables);

        const std::string second = directory.Path("second.nes");
        ASSERT_NO_THROW(SaveGameImage(reopened, read, second));
        EXPECT_TRUE(test::TempDir::Read(first) == test::TempDir::Read(second));
        if (::testing::Test::HasFailure()) return;
    }
}

} // namespace
} // namespace tikaroo
