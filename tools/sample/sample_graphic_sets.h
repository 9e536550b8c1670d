#pragma once

#include "game/model.h"
#include "rom/bytes.h"

#include <array>
#include <cstdint>

namespace tikaroo::sample {

inline constexpr std::size_t kSampleGraphicSetCount = 3; // ids 0-2 are drawn; 3-6 stay unused
inline constexpr std::size_t kSampleSetRoomCount = 14;

struct SampleGraphicSets {
    std::array<GraphicSet, kSampleGraphicSetCount> sets;
    // The floor geometry that fits each set room of each set.
    std::array<std::array<std::uint8_t, kSampleSetRoomCount>, kSampleGraphicSetCount> floorGeom{};
    Bytes chr; // the four 8 KB CHR banks of the original cartridge
};

// Graphic sets 0 (meadow), 1 (castle) and 2 (beach) with their tiles. Every room, line and block is
// used, so the counts that a reader derives from the largest index are the sizes of the tables.
SampleGraphicSets MakeGraphicSets(const LevelGeometryTables& geometry);

} // namespace tikaroo::sample
