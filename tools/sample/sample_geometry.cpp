#include "sample_geometry.h"

#include <stdexcept>
#include <string>

namespace tikaroo::sample {

namespace {

using namespace floor_geom;

constexpr int kColumnWidth = 32;

} // namespace

LevelGeometryTables SampleGeometry() {
    LevelGeometryTables tables;
    // Steps down (+1) and up (-1) of 8 pixels; the mask picks the columns that step: 2, 4, 1 or 8
    // of the 16 columns. The last two masks are the first two steps: the game keeps both tables in
    // one run of bytes.
    tables.bgStepTable = {0x01, 0xFF, 0x01, 0xFF, 0x01, 0xFF, 0x01, 0xFF};
    tables.bgMaskTable = {0x07, 0x07, 0x03, 0x03, 0x0F, 0x0F, 0x01, 0xFF};
    // The floor line change of each background: 16, 32, 8 or 64 pixels down (+) or up (-).
    tables.floorShiftTable = {0x00, 0x10, 0xF0, 0x20, 0xE0, 0x08, 0xF8, 0x40};
    // Every run of whole columns that a pond can cover, but the whole room.
    tables.gapStartTable = {32, 96, 0, 64, 0, 32, 64, 0, 32};
    tables.gapEndTable = {96, 128, 32, 128, 64, 64, 96, 96, 128};
    return tables;
}

std::uint8_t FloorGeomOf(std::string_view floors, const LevelGeometryTables& geometry) {
    const auto firstWater = floors.find('w');
    if (firstWater == std::string_view::npos) {
        if (floors == "gggg") return kFlat;
        if (floors == "ggrr") return kStepUp;
        if (floors == "rrgg") return kStepDown;
        if (floors == "321r") return kSlopeUp;
        if (floors == "r123") return kSlopeDown;
        throw std::logic_error("no floor geometry for the sample room floors " + std::string(floors));
    }
    if (floors == "wwww") return kNone;
    if (floors.find('r') != std::string_view::npos)
        throw std::logic_error("a sample room mixes water and steps");
    const auto start = static_cast<int>(firstWater) * kColumnWidth;
    const auto end = static_cast<int>(floors.find_last_of('w') + 1) * kColumnWidth;
    for (std::size_t k = 0; k < geometry.gapStartTable.size(); ++k) {
        if (geometry.gapStartTable[k] == start && geometry.gapEndTable[k] == end) {
            return static_cast<std::uint8_t>(kFirstGap + k);
        }
    }
    throw std::logic_error("no gap geometry for the sample room floors " + std::string(floors));
}

bool StartsRaised(std::uint8_t floorGeom) {
    return floorGeom == kSlopeDown || floorGeom == kStepDown;
}

} // namespace tikaroo::sample
