#include "room_layout.h"

#include "room_geometry.h"

#include <algorithm>

namespace tikaroo {

namespace {

// The screen of the first room: its band bottom from the "top of screen" nibble, its floor line from
// the "top of floor" nibble.
constexpr std::int32_t kBandBottomBase = 352;
constexpr std::int32_t kTopOfScreenBase = 11;
constexpr std::int32_t kTopOfScreenUnit = 16;
constexpr std::int32_t kFloorAboveBand = 144;
constexpr std::int32_t kTopOfFloorUnit = 8;
constexpr std::int32_t kScrollStep = 32;

void Append(std::vector<std::array<std::int32_t, 2>>& list, std::int32_t y) {
    list.push_back({0, y});
}

} // namespace

std::array<std::int32_t, 16> BackgroundColumnOffsets(const LevelGeometryTables& geometry,
                                                     std::uint8_t background, std::size_t absoluteRoom) {
    std::array<std::int32_t, 16> offsets{};
    if (background == 0 || background > geometry.bgStepTable.size()) return offsets;
    const std::uint8_t mask = geometry.bgMaskTable[background - 1u];
    const std::int32_t step = SignedByte(geometry.bgStepTable[background - 1u]);
    std::int32_t n = 0;
    for (std::size_t column = 0; column < offsets.size(); ++column) {
        if ((mask & (column + 16 * (absoluteRoom & 1))) == 0) n += step;
        offsets[column] = kRoomStripWidth * n;
    }
    return offsets;
}

std::int32_t BackgroundStep(const LevelGeometryTables& geometry, std::uint8_t background,
                            std::size_t absoluteRoom) {
    return BackgroundColumnOffsets(geometry, background, absoluteRoom).back();
}

RoomLayout BuildRoomLayout(const GameTables& tables, const LevelSet& levelSet) {
    const ShownRooms shown = RoomsShown(tables, levelSet);
    const std::uint8_t tops = levelSet.tops[shown.topsIndex];
    std::int32_t band = ((tops >> 4) - kTopOfScreenBase) * kTopOfScreenUnit + kBandBottomBase;
    std::int32_t line = band + (tops & 0x0F) * kTopOfFloorUnit - kFloorAboveBand;
    std::int32_t background = 0;

    RoomLayout layout;
    for (std::size_t r = 0; r < shown.count; ++r) {
        const std::size_t absolute = shown.first + r;
        const LevelRoom& room = levelSet.rooms[absolute];
        Append(layout.bandBottom, band);
        background += BackgroundStep(tables.geometry, room.background, absolute);
        Append(layout.pictureOffset, background);
        line += SignedByte(tables.geometry.floorShiftTable[room.floorShift & 7]);
        Append(layout.floorLine, line);
        if (room.scroll == 1) band -= kScrollStep;
        if (room.scroll == 2) band += kScrollStep;
    }

    std::int32_t lowest = 0;
    for (const auto& offset : layout.pictureOffset) lowest = std::min(lowest, offset[1]);
    for (auto& offset : layout.pictureOffset) offset[1] -= lowest;
    return layout;
}

} // namespace tikaroo
