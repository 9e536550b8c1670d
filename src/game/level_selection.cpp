#include "level_selection.h"

#include "rom/rom_error.h"

namespace tikaroo {

void SelectLevel(GameTables& tables, LevelChoice choice) {
    const std::size_t count = choice.bonus ? tables.bonusLevels.size() : tables.levels.size();
    if (choice.index >= count) throw RomError(errors::kNoSuchLevel);
    if (choice.bonus && tables.bonusArea.area >= tables.levels.size())
        throw RomError(errors::kBonusAreaLevelMissing);
    ViewState view;
    view.bonusMode = choice.bonus;
    view.currentLevel = choice.bonus ? tables.bonusArea.area : choice.index;
    view.currentBonusLevel = choice.bonus ? choice.index : 0;
    tables.view = view;
}

LevelChoice CurrentChoice(const ViewState& view) {
    return {view.bonusMode, view.bonusMode ? view.currentBonusLevel : view.currentLevel};
}

} // namespace tikaroo
