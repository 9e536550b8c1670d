#include "bonus_area_move.h"

#include "game_rom.h"
#include "table_encoding.h"

namespace tikaroo {

namespace {

// An objects list stores positions in 8-pixel units of 10 bits.
constexpr std::int64_t kObjectPositionLimit =
    (std::int64_t{1} << encoding::kObjectPositionBits) * encoding::kObjectPositionUnit;

std::int64_t BeginShift(std::uint8_t oldBeginFrom, std::uint8_t newBeginFrom) {
    return (std::int64_t{newBeginFrom} - oldBeginFrom) * kBonusBeginStepPixels;
}

} // namespace

std::optional<ObjectLeavingLevel> FindObjectLeavingLevel(const std::vector<Level>& bonusLevels,
                                                         std::uint8_t oldBeginFrom,
                                                         std::uint8_t newBeginFrom) {
    const std::int64_t shift = BeginShift(oldBeginFrom, newBeginFrom);
    for (std::size_t bonus = 0; bonus < bonusLevels.size(); ++bonus) {
        const auto& lists = bonusLevels[bonus].objectLists;
        for (std::size_t list = 0; list < lists.size(); ++list) {
            for (std::size_t index = 0; index < lists[list].size(); ++index) {
                const std::int64_t x = lists[list][index].x + shift;
                if (x < 0 || x >= kObjectPositionLimit)
                    return ObjectLeavingLevel{bonus, list, index, lists[list][index].id};
            }
        }
    }
    return std::nullopt;
}

bool CGameRom::SetBonusArea(const BonusArea& area) {
    if (!MainLevelShown() || area.area >= kPlayableLevelCount || area.beginFrom > kMaxBonusBeginFrom ||
        area.length == 0 || kBonusBeginStepRooms * area.beginFrom + area.length > kRoomsPerLevelSet)
        return false;
    if (area.beginFrom != bonusArea.beginFrom) {
        if (FindObjectLeavingLevel(bonusLevels, bonusArea.beginFrom, area.beginFrom)) return false;
        const std::int64_t shift = BeginShift(bonusArea.beginFrom, area.beginFrom);
        for (Level& level : bonusLevels)
            for (ObjectsList& list : level.objectLists)
                for (ObjectEntry& object : list) object.x = static_cast<std::uint32_t>(object.x + shift);
    }
    bonusArea = area;
    return true;
}

} // namespace tikaroo
