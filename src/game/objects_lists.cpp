// The objects lists of every level at once, as the objects manager edits them.
#include "game_rom.h"

namespace tikaroo {

namespace {

std::vector<ObjectLists> ListsOf(const std::vector<Level>& levels, std::size_t count) {
    std::vector<ObjectLists> lists;
    for (std::size_t i = 0; i < count && i < levels.size(); ++i) lists.push_back(levels[i].objectLists);
    return lists;
}

void Replace(std::vector<Level>& levels, const std::vector<ObjectLists>& lists) {
    for (std::size_t i = 0; i < lists.size() && i < levels.size(); ++i) levels[i].objectLists = lists[i];
}

} // namespace

std::vector<ObjectLists> CGameRom::LevelObjectsLists() const {
    return ListsOf(levels, kPlayableLevelCount);
}

std::vector<ObjectLists> CGameRom::BonusObjectsLists() const {
    return ListsOf(bonusLevels, kBonusLevelCount);
}

bool CGameRom::StoreObjectsLists(const std::vector<ObjectLists>& levelLists,
                                 const std::vector<ObjectLists>& bonusLists) {
    if (levelLists.size() != kPlayableLevelCount || bonusLists.size() != kBonusLevelCount) return false;
    Replace(levels, levelLists);
    Replace(bonusLevels, bonusLists);
    return true;
}

} // namespace tikaroo
