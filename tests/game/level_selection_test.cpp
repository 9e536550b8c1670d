#include "game/level_selection.h"
#include "rom/rom_error.h"
#include "support/error_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tikaroo {
namespace {

TEST(LevelSelection, PointsTheViewAtALevelOrBonusLevelAndRefusesWhatDoesNotExist) {
    struct Case {
        const char* name;
        std::uint8_t bonusAreaSlot;
        LevelChoice choice;
        std::string error; // empty when the choice is taken
        std::uint8_t shownSlot;
    };
    const Case cases[] = {
        {"main level", 5, {false, 13}, "", 13},
        {"bonus level over the bonus area", 5, {true, 8}, "", 5},
        {"bonus area naming slot 37", 37, {true, 0}, errors::kBonusAreaLevelMissing, 0},
        {"slot beyond the levels", 5, {false, 33}, errors::kNoSuchLevel, 0},
        {"bonus level beyond nine", 5, {true, 9}, errors::kNoSuchLevel, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameTables tables;
        tables.levels.resize(kLevelSlotCount);
        tables.bonusLevels.resize(kBonusLevelCount);
        tables.bonusArea.area = c.bonusAreaSlot;
        tables.view = {.currentLevel = 2, .selectedList = 1, .selectedIndex = 4, .clickX = 64, .clickY = 8};
        const ViewState before = tables.view;
        const std::string error = test::ErrorText<RomError>([&] { SelectLevel(tables, c.choice); });
        EXPECT_EQ(error, c.error);
        if (!error.empty()) {
            EXPECT_EQ(tables.view.currentLevel, before.currentLevel);
            EXPECT_EQ(tables.view.selectedIndex, before.selectedIndex);
            continue;
        }
        EXPECT_EQ(tables.view.currentLevel, c.shownSlot);
        EXPECT_EQ(tables.view.bonusMode, c.choice.bonus);
        EXPECT_EQ(tables.view.currentBonusLevel, c.choice.bonus ? c.choice.index : 0);
        EXPECT_EQ(tables.view.selectedList, -1);
        EXPECT_EQ(tables.view.clickX, -1);
        EXPECT_EQ(tables.view.clickY, -1);
    }
}

} // namespace
} // namespace tikaroo
