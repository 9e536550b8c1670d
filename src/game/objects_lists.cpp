// The objects lists of every level at once, as the objects manager edits them.
#include "game_rom.h"
#include "level_lookup.h"
#include "objects_encoder.h"

#include <algorithm>

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

void CGameRom::SortObjectsLists() {
    // A stable sort puts the selected object after every object left of it and after those at its x
    // that stand before it in the list.
    if (const ObjectEntry* selected = SelectedObject()) {
        const ObjectsList& list =
            ObjectsLevel(*this)->objectLists.at(static_cast<std::size_t>(view.selectedList));
        const auto before = list.begin() + view.selectedIndex;
        const std::uint32_t x = selected->x;
        view.selectedIndex = static_cast<int>(
            std::count_if(list.begin(), list.end(), [x](const ObjectEntry& e) { return e.x < x; }) +
            std::count_if(list.begin(), before, [x](const ObjectEntry& e) { return e.x == x; }));
    }
    for (std::vector<Level>* group : {&levels, &bonusLevels})
        for (Level& level : *group)
            for (ObjectsList& list : level.objectLists) SortObjectsList(list);
}

} // namespace tikaroo
