#include "room_fields.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tikaroo {

namespace {

constexpr std::uint8_t kWrappedBelowZero = 255;

struct FieldTop {
    std::uint8_t LevelRoom::*field;
    std::uint8_t top;
};

// setRoom's top depends on the graphic set.
constexpr std::array kFieldTops = {
    FieldTop{&LevelRoom::floorGeom, 15}, FieldTop{&LevelRoom::scroll, 2},
    FieldTop{&LevelRoom::background, 6}, FieldTop{&LevelRoom::floorShift, 7},
    FieldTop{&LevelRoom::slideFloor, 3}, FieldTop{&LevelRoom::fruitsHeight, 15},
};

void Wrap(std::uint8_t& value, std::uint8_t top) {
    if (value == kWrappedBelowZero)
        value = top;
    else if (value > top)
        value = 0;
}

} // namespace

LevelRoom NormaliseRoom(LevelRoom room, std::size_t setRoomCount) {
    Wrap(room.setRoom, static_cast<std::uint8_t>(std::clamp<std::size_t>(setRoomCount, 1, 256) - 1));
    for (const FieldTop& limit : kFieldTops) Wrap(room.*limit.field, limit.top);
    return room;
}

} // namespace tikaroo
