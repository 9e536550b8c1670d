#pragma once

#include "game/model.h"
#include "sample_graphic_sets.h"

#include <cstdint>
#include <map>
#include <vector>

namespace tikaroo::sample {

// The game converts and rebases exactly 12 level sets, so the sample has ids 0-11.
inline constexpr std::uint8_t kSampleLevelSetCount = 12;
inline constexpr std::uint8_t kBossLevelSet = 11;     // met first at slot 32: 4 rooms
inline constexpr std::uint8_t kSharedRoomsSet = 10;   // plays the rooms of kSharedRoomsSource
inline constexpr std::uint8_t kSharedRoomsSource = 7; // with other attributes, tops and music

struct SampleLevels {
    std::vector<Level> levels; // slots 0-32, objects lists still empty
    std::map<std::uint8_t, LevelSet> levelSets;
};

SampleLevels MakeLevels(const SampleGraphicSets& graphicSets, const LevelGeometryTables& geometry);

GameSettings SampleGameSettings();
BonusArea SampleBonusArea();

} // namespace tikaroo::sample
