#include "game/rom_builder.h"
#include "game/table_readers.h"

#include "small_game.h"
#include "support/model_compare.h"
#include "support/random_model.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tikaroo {
namespace {

constexpr unsigned kRandomModels = 40;

void ExpectSameLevelSetContent(const LevelSet& actual, const LevelSet& expected) {
    EXPECT_EQ(actual.rooms, expected.rooms);
    EXPECT_EQ(actual.tops, expected.tops);
    EXPECT_EQ(actual.music, expected.music);
    EXPECT_EQ(actual.attributes, expected.attributes);
}

void ExpectSameUpdaterContent(const PaletteUpdater& saved, PaletteUpdater edited) {
    std::stable_sort(
        edited.modifiers.begin(), edited.modifiers.end(),
        [](const PaletteModifier& left, const PaletteModifier& right) { return left.key < right.key; });
    ASSERT_EQ(saved.modifiers.size(), edited.modifiers.size());
    for (std::size_t i = 0; i < saved.modifiers.size(); ++i) {
        EXPECT_EQ(saved.modifiers[i].key, edited.modifiers[i].key);
        EXPECT_EQ(saved.modifiers[i].count, edited.modifiers[i].entries.size());
        EXPECT_EQ(saved.modifiers[i].entries, edited.modifiers[i].entries);
    }
}

template <typename Record>
void ExpectIdsCountUpFromZero(const std::map<std::uint8_t, Record>& records, std::size_t count) {
    ASSERT_EQ(records.size(), count);
    std::uint8_t next = 0;
    for (const auto& entry : records) EXPECT_EQ(entry.first, next++);
}

// What the save may change: ids of level sets and updaters (unused ones dropped), the order of objects
// lists and the modifiers' counts. What every level plays must stay the same.
void ExpectSamePlayedContent(const GameTables& saved, const GameTables& edited) {
    std::set<std::uint8_t> levelSets;
    std::set<std::uint8_t> updaters;
    for (std::size_t slot = 0; slot < kLevelSlotCount; ++slot) {
        SCOPED_TRACE("level slot " + std::to_string(slot));
        const Level& after = saved.levels[slot];
        const Level& before = edited.levels[slot];
        levelSets.insert(before.levelSet);
        ExpectSameLevelSetContent(saved.levelSets.at(after.levelSet), edited.levelSets.at(before.levelSet));
        EXPECT_EQ(after.eggValues, before.eggValues);
        EXPECT_EQ(after.paletteSet, before.paletteSet);
        if (before.paletteUpdater == kNoPaletteUpdater) {
            EXPECT_EQ(after.paletteUpdater, kNoPaletteUpdater);
        } else {
            updaters.insert(before.paletteUpdater);
            ExpectSameUpdaterContent(saved.paletteUpdaters.at(after.paletteUpdater),
                                     edited.paletteUpdaters.at(before.paletteUpdater));
        }
        for (std::size_t list = 0; list < kObjectsListCount; ++list) {
            ObjectsList sorted = before.objectLists[list];
            std::stable_sort(
                sorted.begin(), sorted.end(),
                [](const ObjectEntry& left, const ObjectEntry& right) { return left.x < right.x; });
            EXPECT_EQ(after.objectLists[list], sorted);
        }
    }
    ExpectIdsCountUpFromZero(saved.levelSets, levelSets.size());
    ExpectIdsCountUpFromZero(saved.paletteUpdaters, std::max<std::size_t>(updaters.size(), 1));
    for (const Level& bonus : saved.bonusLevels) EXPECT_EQ(bonus.levelSet, saved.levels[kBossSlot].levelSet);
}

// Opens a saved file as the editor does and reads its tables.
GameTables Reopen(const std::string& path, CGameImage& reopened) {
    reopened.ReadRomFile(path);
    reopened.SetUpExpanded();
    GameTables read;
    ReadAllTables(reopened, read);
    return read;
}

TEST(SaveRoundTrip, RandomlyEditedModelsComeBackAsSaved) {
    const test::TempDir directory;
    for (unsigned seed = 1; seed <= kRandomModels; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CGameImage image;
        GameTables tables;
        test::MakeSmallGame(image, tables);
        std::mt19937 random(seed);
        test::RandomizeModel(tables, random);
        const GameTables edited = tables;
        const std::string first = directory.Path("first.nes");
        ASSERT_NO_THROW(SaveGameImage(image, tables, first));
        ExpectSamePlayedContent(tables, edited);

        CGameImage reopened;
        GameTables read = Reopen(first, reopened);
        test::ExpectSameStoredModel(read, tables);

        const std::string second = directory.Path("second.nes");
        ASSERT_NO_THROW(SaveGameImage(reopened, read, second));
        EXPECT_TRUE(test::TempDir::Read(first) == test::TempDir::Read(second));
        if (::testing::Test::HasFailure()) return;
    }
}

} // namespace
} // namespace tikaroo
