#include "game/level_selection.h"
#include "rom/rom_error.h"
#include "support/error_text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace tikaroo {
namespace {

TEST(LevelSelection, PointsTheViewAtALevelOrBonusLevelAndRefusesWhatDoesNotExist) {
    struct Case {
        const char* name;
        std::uint8_t bonusAreaSlot;
        LevelChoice choice;
        std::string error; // empty when the choice is taken
        ViewState view;
    };
    const ViewState before{
        .currentLevel = 2, .selectedList = 1, .selectedIndex = 4, .clickX = 64, .clickY = 8};
    const Case cases[] = {
        {"main level", 5, {false, 13}, "", {.currentLevel = 13}},
        {"bonus level over the bonus area",
         5,
         {true, 8},
         "",
         {.currentLevel = 5, .currentBonusLevel = 8, .bonusMode = true}},
        {"bonus area naming slot 37", 37, {true, 0}, errors::kBonusAreaLevelMissing, before},
        {"slot beyond the levels", 5, {false, 33}, errors::kNoSuchLevel, before},
        {"bonus level beyond nine", 5, {true, 9}, errors::kNoSuchLevel, before},
    };
    const auto fields = [](const ViewState& view) {
        return std::tuple(view.currentLevel, view.currentBonusLevel, view.bonusMode, view.selectedList,
                          view.selectedIndex, view.clickX, view.clickY);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameTables tables;
        tables.levels.resize(kLevelSlotCount);
        tables.bonusLevels.resize(kBonusLevelCount);
        tables.bonusArea.area = c.bonusAreaSlot;
        tables.view = before;
        EXPECT_EQ(test::ErrorText<RomError>([&] { SelectLevel(tables, c.choice); }), c.error);
        EXPECT_EQ(fields(tables.view), fields(c.view));
    }
}

} // namespace
} // namespace tikaroo
