#pragma once

#include "rom/game_image.h"

namespace tikaroo::test {

// Where WriteMinimalGame puts the tables; all in bank 0 unless said otherwise. Tests poke these to
// shape the case they check.
namespace minimal {
inline constexpr CpuPtr kLevelSetIds = 0xA000;           // 33 bytes
inline constexpr CpuPtr kEggValues = 0xA040;             // 33 bytes
inline constexpr CpuPtr kLevelPalettes = 0xA080;         // 32 bytes
inline constexpr CpuPtr kRoomPointers = 0xA0C0;          // 16 words
inline constexpr CpuPtr kTopsPointers = 0xA100;          // 16 words
inline constexpr CpuPtr kAttributes = 0xA140;            // 16 bytes
inline constexpr CpuPtr kMusic = 0xA160;                 // 16 bytes
inline constexpr CpuPtr kTops = 0xA180;                  // 4 bytes per set
inline constexpr CpuPtr kGraphicSetDescriptors = 0xA200; // 8 x 12 bytes
inline constexpr CpuPtr kOtherPalettes = 0xA280;         // 48 bytes
inline constexpr CpuPtr kPaletteSets = 0xA2C0;           // 16 x 12 bytes
inline constexpr CpuPtr kUpdaterLowBytes = 0xA380;       // 16 bytes
inline constexpr CpuPtr kUpdaterHighBytes = 0xA390;      // 16 bytes
inline constexpr CpuPtr kUpdaters = 0xA3A0;              // every updater points here: an empty updater
inline constexpr CpuPtr kObjectsLowBytes = 0xA3C0;       // 2 bytes
inline constexpr CpuPtr kObjectsHighBytes = 0xA3C4;      // 2 bytes
inline constexpr CpuPtr kLevelObjects = 0xA400;          // 32 x 6 bytes, all lists empty
inline constexpr CpuPtr kBonusObjects = 0xA4C0;          // 9 x 6 bytes, all lists empty
inline constexpr CpuPtr kGraphicSetTables = 0xA500;      // 256 zero bytes every graphic set table points at
inline constexpr CpuPtr kLevelSetRooms = 0x8000;         // bank 3: 64 rooms of 3 bytes per set id
inline constexpr std::size_t kSetIds = 16;
} // namespace minimal

// Turns an image made by MakeExpandedImage into the smallest game that reads: every slot plays level
// set 0 (graphic set 0, all rooms zero), every list is empty, no level names an updater, and every
// table the game reads points at the places above.
void WriteMinimalGame(CGameImage& image);

} // namespace tikaroo::test
