#pragma once

#include "model.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace tikaroo {

// Each step of the bonus area start is 16 rooms of 128 pixels.
inline constexpr std::size_t kBonusBeginStepRooms = 16;
inline constexpr std::int64_t kBonusBeginStepPixels = kBonusBeginStepRooms * 128;
inline constexpr std::uint8_t kMaxBonusBeginFrom = 3;

// A bonus-level object that a move of the bonus area start would push out of the level.
struct ObjectLeavingLevel {
    std::size_t bonusLevel = 0;
    std::size_t list = 0;
    std::size_t index = 0;
    std::uint8_t objectId = 0;
};

// The first object (in bonus level, list and list order) that moving the start from `oldBeginFrom` to
// `newBeginFrom` would put where the objects lists cannot store it.
std::optional<ObjectLeavingLevel> FindObjectLeavingLevel(const std::vector<Level>& bonusLevels,
                                                         std::uint8_t oldBeginFrom,
                                                         std::uint8_t newBeginFrom);

} // namespace tikaroo
