#pragma once

#include "rom/game_image.h"

#include <array>
#include <cstdint>

// Where the save lays the variable tables down. Every save rebuilds them from the model, one table
// after the other, in these fixed regions, and points the game's pointer words at them.
namespace tikaroo::layout {

// The switchable pages end where the fixed bank begins; streams and rooms must stay below it.
inline constexpr std::uint32_t kSwitchableEnd = 0xC000;

// Objects list streams, in kObjectsBank, above the object type descriptors.
inline constexpr CpuPtr kObjectsStreamsStart = 0x9521;
// Packed level set rooms, in kLevelSetRoomsBank.
inline constexpr CpuPtr kLevelSetRoomsStart = 0x803D;

// Fixed bank: the level objects table (33 slots) followed by the bonus objects table, then the table
// area, which must end by kTableAreaLimit; the rest up to kTableAreaLimit is filled with kFreeFill.
inline constexpr CpuPtr kObjectsTables = 0xCD00;
inline constexpr std::uint32_t kTableAreaLimit = 0xFFF0;
inline constexpr std::uint8_t kFreeFill = 0xFF;

// Pointer words that the game reads besides those the readers use: second copies of table addresses.
inline constexpr CpuPtr kLevelSetTopsHighPtr = 0xBB5F;  // tops pointer table + 1
inline constexpr CpuPtr kLevelSetRoomsHighPtr = 0xBB55; // room pointer table + 1
inline constexpr std::array<CpuPtr, 3> kLevelSetAttributesCopies = {0xBBBE, 0xBBE4, 0xBBEB};

// The boss slots: round 4 of every area; their level sets carry the boss rooms in the image.
inline constexpr std::array<std::uint8_t, 8> kBossSlots = {3, 7, 11, 15, 19, 23, 27, 31};

} // namespace tikaroo::layout
