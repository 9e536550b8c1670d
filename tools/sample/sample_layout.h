#pragma once

#include "rom/game_image.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace tikaroo::sample {

// Where the sample image keeps its variable tables, as CPU addresses of the original cartridge:
// $8000-$BFFF is PRG bank 0, $C000-$FFFF the fixed bank 1. The pointer words at the game's fixed
// locations point here.
//
// Bank 0 from $9D00 to $ACDA and the fixed bank's $C000-$C21D and $E240-$F120 are free of everything
// that the conversion to the expanded layout moves, zeroes or patches. The tables that the save
// rewrites where they stand (egg values, other palettes, the objects table bytes) are in bank 0,
// away from the save's table area at $CD00-$FFF0. Four tables sit where the game keeps the data that
// the conversion moves into new banks, so that it moves them along.
struct TablePlace {
    std::string_view name;
    CpuPtr address;
    std::size_t capacity; // bytes
};

inline constexpr TablePlace kLevelSetIds = {"level set ids", 0x9D00, 33};
inline constexpr TablePlace kEggValues = {"egg values", 0x9D21, 33};
inline constexpr TablePlace kLevelPalettes = {"level palettes", 0x9D42, 32};
inline constexpr TablePlace kLevelSetTops = {"level set tops pointers and tops", 0x9D62, 12 * 2 + 12 * 4};
inline constexpr TablePlace kLevelSetAttributes = {"level set attributes", 0x9DAA, 12};
inline constexpr TablePlace kLevelSetMusic = {"level set music", 0x9DB6, 12};
inline constexpr TablePlace kOtherPalettes = {"other palettes", 0x9DC2, 48};
inline constexpr TablePlace kPaletteSets = {"palette sets", 0x9DF2, 16 * 12};
inline constexpr TablePlace kUpdaterLowBytes = {"palette updater low bytes", 0x9EB2, 14};
inline constexpr TablePlace kUpdaterHighBytes = {"palette updater high bytes", 0x9EC0, 14};
inline constexpr TablePlace kUpdaters = {"palette updaters", 0x9ECE, 0xA000 - 0x9ECE};
inline constexpr TablePlace kObjectsTableLowBytes = {"objects table low bytes", 0xA000, 2};
inline constexpr TablePlace kObjectsTableHighBytes = {"objects table high bytes", 0xA002, 2};
inline constexpr TablePlace kGraphicSetDescriptors = {"graphic set descriptors", 0xA004, 3 * 12};
// Must lie in the fixed bank: the conversion rebases these pointers with bank 3 mapped.
inline constexpr TablePlace kLevelSetRoomPointers = {"level set room pointers", 0xC000, 12 * 2};
inline constexpr std::array<TablePlace, 3> kGraphicSetTables = {{
    {"graphic set 0 tables", 0xE240, 0x4C0},
    {"graphic set 1 tables", 0xE700, 0x4C0},
    {"graphic set 2 tables", 0xEBC0, 0x4C0},
}};

// Moved by the conversion: rooms to bank 3, object types and objects lists to bank 2.
inline constexpr TablePlace kObjectTypes = {"object types", 0x901E, 72 * 6};
inline constexpr TablePlace kLevelSetRooms = {"level set rooms", 0xD9FA, 0xE240 - 0xD9FA};
inline constexpr TablePlace kLevelObjectsTable = {"level objects table", 0xF121, 32 * 6};
inline constexpr TablePlace kBonusObjectsTable = {"bonus objects table", 0xF1E1, 9 * 6};
inline constexpr TablePlace kObjectsStreams = {"objects streams", 0xF217, 0xFFF0 - 0xF217};

inline constexpr std::array kSampleTablePlaces = {
    kLevelSetIds,
    kEggValues,
    kLevelPalettes,
    kLevelSetTops,
    kLevelSetAttributes,
    kLevelSetMusic,
    kOtherPalettes,
    kPaletteSets,
    kUpdaterLowBytes,
    kUpdaterHighBytes,
    kUpdaters,
    kObjectsTableLowBytes,
    kObjectsTableHighBytes,
    kGraphicSetDescriptors,
    kLevelSetRoomPointers,
    kGraphicSetTables[0],
    kGraphicSetTables[1],
    kGraphicSetTables[2],
    kObjectTypes,
    kLevelSetRooms,
    kLevelObjectsTable,
    kBonusObjectsTable,
    kObjectsStreams,
};

} // namespace tikaroo::sample
