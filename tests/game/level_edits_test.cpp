// The editing operations behind the level properties, level set, game settings and bonus area dialogs,
// on the opened sample game.
#include "game/bonus_area_move.h"
#include "game/game_rom.h"
#include "opened_sample.h"
#include "support/model_compare.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tikaroo {
namespace {

using LevelEdits = test::OpenedSampleTest;

// The fields of a level that its properties set.
auto Stored(const Level& level) {
    return std::tuple<int, int, int, int>(level.eggValues, level.levelSet, level.paletteSet,
                                          level.paletteUpdater);
}

TEST_F(LevelEdits, SummaryHasEverySetAndFlagsTheBossRooms) {
    const LevelSetSummary summary = rom.CollectLevelSetSummary().value();
    ASSERT_EQ(summary.size(), rom.levelSets.size());
    EXPECT_FALSE(summary.at(5).notSelectable);
    EXPECT_TRUE(summary.at(rom.levels[kBossSlot].levelSet).notSelectable);
}

TEST_F(LevelEdits, UpdateKeepsTheGraphicSetAndRefusesMissingSetsAndGraphicSets) {
    const std::uint8_t graphicSet = rom.levelSets.at(4).GraphicSetId();
    ASSERT_TRUE(rom.UpdateLevelSet(4, 9, 0x80 | 0x08 | 5)); // asks for graphic set 0
    EXPECT_EQ(rom.levelSets.at(4).music, 9);
    EXPECT_EQ(rom.levelSets.at(4).attributes, 0x80 | graphicSet << 4 | 0x08 | 5);

    const CGameRom before = rom;
    EXPECT_FALSE(rom.UpdateLevelSet(200, 1, 0));
    EXPECT_FALSE(rom.UpdateLevelSet(4, 1, 7 << 4)); // graphic set 7 does not exist
    test::ExpectSameStoredModel(rom, before);
}

TEST_F(LevelEdits, CreateTakesTheSmallestFreeIdWithEmptyRoomsAndMarksItsGraphicSetUsed) {
    rom.levelSets.erase(3);
    rom.graphicSets.at(2).used = 0;
    ASSERT_EQ(rom.CreateLevelSet(6, 0x2B), std::optional<std::uint8_t>(3));
    const LevelSet& created = rom.levelSets.at(3);
    EXPECT_EQ(created.attributes, 0x2B);
    EXPECT_EQ(created.tops, (std::array<std::uint8_t, 4>{0x69, 0x69, 0x69, 0x69}));
    EXPECT_EQ(created.rooms, std::vector<LevelRoom>(64));
    EXPECT_EQ(rom.graphicSets.at(2).used, 1U);
    const auto nextId = static_cast<std::uint8_t>(rom.levelSets.size()); // ids 0 .. size - 1 are taken
    EXPECT_EQ(rom.CreateLevelSet(0, 0x00), std::optional<std::uint8_t>(nextId));
}

TEST_F(LevelEdits, CreateRefusesAFullTableAndGraphicSetsWithoutRooms) {
    const std::size_t sets = rom.levelSets.size();
    EXPECT_EQ(rom.CreateLevelSet(0, 5 << 4), std::nullopt); // the sample's graphic set 5 is empty
    EXPECT_EQ(rom.CreateLevelSet(0, 7 << 4), std::nullopt);
    EXPECT_EQ(rom.levelSets.size(), sets);
    while (rom.levelSets.size() < 255) ASSERT_TRUE(rom.CreateLevelSet(0, 0));
    EXPECT_EQ(rom.CreateLevelSet(0, 0), std::nullopt);
    EXPECT_EQ(rom.levelSets.size(), 255U);
}

TEST_F(LevelEdits, LevelPropertiesWriteTheTopsIntoTheSetTheLevelHadBefore) {
    rom.view.currentLevel = 1;
    LevelProperties properties = rom.GetLevelProperties().value();
    const std::uint8_t oldSet = rom.levels[1].levelSet;
    EXPECT_EQ(properties.tops, rom.levelSets.at(oldSet).tops);
    const std::array<std::uint8_t, 4> otherTops = rom.levelSets.at(7).tops;

    properties = {0xA5, 7, 12, 0, {0x12, 0x34, 0x56, 0x78}};
    ASSERT_TRUE(rom.SetLevelProperties(properties));
    EXPECT_EQ(Stored(rom.levels[1]), std::tuple(0xA5, 7, 12, 0));
    EXPECT_EQ(rom.levelSets.at(oldSet).tops, properties.tops);
    EXPECT_EQ(rom.levelSets.at(7).tops, otherTops);
}

TEST_F(LevelEdits, LevelPropertiesSkipValuesThatNameNothing) {
    rom.view.currentLevel = 2;
    const Level before = rom.levels[2];
    const std::uint8_t bossSet = rom.levels[kBossSlot].levelSet;
    ASSERT_TRUE(rom.SetLevelProperties({0x11, bossSet, 16, 13, {}}));
    EXPECT_EQ(Stored(rom.levels[2]),
              std::tuple(0x11, before.levelSet, before.paletteSet, before.paletteUpdater));
    ASSERT_TRUE(rom.SetLevelProperties({0x12, 200, 0, kNoPaletteUpdater, {}}));
    EXPECT_EQ(Stored(rom.levels[2]), std::tuple(0x12, before.levelSet, 0, kNoPaletteUpdater));
}

TEST_F(LevelEdits, BonusAreaLimits) {
    const std::pair<BonusArea, bool> cases[] = {
        {{9, 3, 16}, true},   {{9, 3, 17}, false}, {{31, 0, 64}, true},
        {{32, 0, 16}, false}, {{9, 4, 1}, false},  {{9, 1, 0}, false},
    };
    for (const auto& [area, accepted] : cases) {
        SCOPED_TRACE(testing::Message()
                     << int(area.area) << " " << int(area.beginFrom) << " " << int(area.length));
        CGameRom edited = rom;
        EXPECT_EQ(edited.SetBonusArea(area), accepted);
        EXPECT_EQ(edited.bonusArea, accepted ? area : rom.bonusArea);
    }
}

TEST_F(LevelEdits, AMoveThatPushesAnObjectOutOfTheLevelChangesNothing) {
    rom.bonusLevels[2].objectLists[1].push_back({.id = 0x21, .x = 8000});
    rom.bonusLevels[4].objectLists[0].push_back({.id = 0x05, .x = 1000});
    const CGameRom before = rom;
    const ObjectLeavingLevel right = FindObjectLeavingLevel(rom.bonusLevels, 1, 2).value();
    EXPECT_EQ(std::tuple(right.bonusLevel, right.list, right.index, right.objectId),
              std::tuple(2U, 1U, rom.bonusLevels[2].objectLists[1].size() - 1, 0x21));
    EXPECT_EQ(FindObjectLeavingLevel(rom.bonusLevels, 1, 0)->bonusLevel, 4U);
    EXPECT_FALSE(FindObjectLeavingLevel(rom.bonusLevels, 1, 1));

    EXPECT_FALSE(rom.SetBonusArea({9, 2, 16}));
    EXPECT_FALSE(rom.SetBonusArea({9, 0, 16}));
    test::ExpectSameStoredModel(rom, before);
}

TEST_F(LevelEdits, EveryOperationRefusesWhileABonusLevelIsCurrent) {
    const LevelProperties properties = rom.GetLevelProperties().value();
    rom.view.bonusMode = true;
    const CGameRom before = rom;
    EXPECT_FALSE(rom.CollectLevelSetSummary());
    EXPECT_FALSE(rom.UpdateLevelSet(0, 3, 0));
    EXPECT_FALSE(rom.CreateLevelSet(0, 0));
    EXPECT_FALSE(rom.GetLevelProperties());
    EXPECT_FALSE(rom.SetLevelProperties(properties));
    EXPECT_FALSE(rom.SetBonusArea({9, 2, 16}));
    test::ExpectSameStoredModel(rom, before);
}

} // namespace
} // namespace tikaroo
