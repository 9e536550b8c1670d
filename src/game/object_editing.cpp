// The objects of the shown level or bonus level as the canvas edits them.
#include "game_rom.h"
#include "level_lookup.h"

#include <cstdlib>
#include <optional>

namespace tikaroo {

namespace {

constexpr std::int32_t kPositionUnit = 8;
constexpr std::int64_t kHitReach = 8; // a hit box reaches this far both ways, bounds included

// The level x of a canvas x rounded down to the position unit (toward zero, as the game's editor always
// did); none when it is left of the canvas or past what the image can keep.
std::optional<std::uint32_t> LevelX(std::int32_t canvasX, std::uint32_t origin) {
    const std::int64_t units = canvasX / kPositionUnit;
    const std::int64_t x = units * kPositionUnit + origin;
    if (units < 0 || x >= kObjectXLimit) return std::nullopt;
    return static_cast<std::uint32_t>(x);
}

// The selected entry of the objects level, or nullptr.
template <typename Tables>
auto* SelectedEntry(Tables& tables) {
    auto* level = ObjectsLevel(tables);
    const ViewState& view = tables.view;
    decltype(&level->objectLists[0][0]) none = nullptr;
    if (level == nullptr || view.selectedList < 0 || view.selectedIndex < 0) return none;
    const auto list = static_cast<std::size_t>(view.selectedList);
    const auto index = static_cast<std::size_t>(view.selectedIndex);
    if (list >= kObjectsListCount || index >= level->objectLists[list].size()) return none;
    return &level->objectLists[list][index];
}

} // namespace

std::uint32_t CGameRom::ObjectsOrigin() const {
    const Level* level = ShownLevel(*this);
    const LevelSet* levelSet = level != nullptr ? LevelSetOf(*this, *level) : nullptr;
    return levelSet != nullptr ? static_cast<std::uint32_t>(RoomsShown(*this, *levelSet).objectsX) : 0;
}

std::vector<ObjectHit> CGameRom::FindObjectsAt(std::int32_t x, std::int32_t y) const {
    std::vector<ObjectHit> hits;
    const Level* level = ObjectsLevel(*this);
    if (level == nullptr) return hits;
    const std::int64_t levelX = std::int64_t{x} + ObjectsOrigin();
    for (std::uint32_t list = 0; list < kObjectsListCount; ++list) {
        const ObjectsList& objects = level->objectLists[list];
        for (std::uint32_t index = 0; index < objects.size(); ++index) {
            const ObjectEntry& entry = objects[index];
            if (std::abs(levelX - std::int64_t{entry.x}) <= kHitReach &&
                std::abs(std::int64_t{y} - entry.canvasY) <= kHitReach)
                hits.push_back({list, index, entry});
        }
    }
    return hits;
}

const ObjectEntry* CGameRom::SelectedObject() const {
    return SelectedEntry(*this);
}

bool CGameRom::SelectObject(std::size_t list, std::size_t index) {
    const Level* level = ObjectsLevel(*this);
    if (level == nullptr || list >= kObjectsListCount || index >= level->objectLists[list].size())
        return false;
    view.selectedList = static_cast<int>(list);
    view.selectedIndex = static_cast<int>(index);
    return true;
}

bool CGameRom::InsertObject(std::size_t list, ObjectEntry entry, std::int32_t canvasX) {
    Level* level = ObjectsLevel(*this);
    const std::optional<std::uint32_t> x = LevelX(canvasX, ObjectsOrigin());
    if (loaded == 0 || level == nullptr || list >= kObjectsListCount || !x) return false;
    entry.x = *x;
    ObjectsList& objects = level->objectLists[list];
    objects.push_back(entry);
    return SelectObject(list, objects.size() - 1);
}

bool CGameRom::DuplicateSelectedObject(std::int32_t canvasX) {
    const ObjectEntry* selected = SelectedObject();
    return selected != nullptr &&
           InsertObject(static_cast<std::size_t>(view.selectedList), *selected, canvasX);
}

bool CGameRom::MoveSelectedObject(std::int32_t canvasX) {
    ObjectEntry* selected = SelectedEntry(*this);
    const Level* level = ShownLevel(*this);
    const LevelSet* levelSet = level != nullptr ? LevelSetOf(*this, *level) : nullptr;
    const std::optional<std::uint32_t> x = LevelX(canvasX, ObjectsOrigin());
    if (selected == nullptr || levelSet == nullptr || !x || *x == selected->x) return false;
    const auto canvasWidth = static_cast<std::int64_t>(RoomsShown(*this, *levelSet).count) * kRoomWidth;
    if (canvasX / kPositionUnit * kPositionUnit > canvasWidth) return false;
    selected->x = *x;
    return true;
}

bool CGameRom::SetSelectedObjectParams(std::uint8_t param1, std::uint8_t param2) {
    ObjectEntry* selected = SelectedEntry(*this);
    if (selected == nullptr) return false;
    selected->param1 = param1;
    selected->param2 = param2;
    return true;
}

bool CGameRom::DeleteSelectedObject() {
    if (SelectedObject() == nullptr) return false;
    ObjectsList& objects = ObjectsLevel(*this)->objectLists[static_cast<std::size_t>(view.selectedList)];
    objects.erase(objects.begin() + view.selectedIndex);
    view.selectedList = -1;
    view.selectedIndex = -1;
    return true;
}

} // namespace tikaroo
