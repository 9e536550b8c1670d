#pragma once

#include "game/model.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tikaroo::sample {

// Fills the objects lists of level slots 0-31 and of the bonus levels (inside the bonus area). Every
// object id 1-63 stands somewhere; some lists are copies of others, and list 3 of odd slots is empty.
void AddObjects(std::vector<Level>& levels, std::vector<Level>& bonusLevels, const BonusArea& bonusArea);

std::vector<ObjectType> SampleObjectTypes();
std::array<std::int8_t, kObjectImageConstantCount> SampleObjectImageConstants();

} // namespace tikaroo::sample
