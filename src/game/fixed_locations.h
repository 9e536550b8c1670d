#pragma once

#include "rom/game_image.h"

#include <array>
#include <cstdint>

// Fixed places of the expanded layout that the game's program reads its tables from. Unless a comment
// says otherwise, an address is read with bank 0 mapped at $8000-$BFFF; $C000-$FFFF is the fixed bank.
// The readers and the save share these constants.
namespace tikaroo::layout {

// Banks mapped at $8000-$BFFF while a table is read.
inline constexpr int kTablesBank = 0;        // pointer words, settings and most tables
inline constexpr int kObjectsBank = 2;       // objects list streams and object type descriptors
inline constexpr int kLevelSetRoomsBank = 3; // packed rooms of the level sets

// A run of bytes at a fixed address.
struct FixedBytes {
    CpuPtr address;
    std::uint8_t size;
};

// Level table: pointer words of the per-slot tables.
inline constexpr CpuPtr kLevelSetIdsPtr = 0xBB49;   // one level set id per slot 0-32
inline constexpr CpuPtr kEggValuesPtr = 0xBB43;     // one egg values byte per slot 0-32
inline constexpr CpuPtr kLevelPalettesPtr = 0xBBF7; // slots 0-31: palette set << 4 | palette updater

// Level sets: pointer words of the per-set tables, indexed by set id.
inline constexpr CpuPtr kLevelSetRoomsPtr = 0xBB50;      // pointer word per set to its packed rooms
inline constexpr CpuPtr kLevelSetTopsPtr = 0xBB5A;       // pointer word per set to its 4 tops bytes
inline constexpr CpuPtr kLevelSetAttributesPtr = 0xBB92; // one attribute byte per set
inline constexpr CpuPtr kLevelSetMusicPtr = 0x81D2;      // one music byte per set

// Game settings, one byte each.
inline constexpr CpuPtr kSpeed = 0x85A1;
inline constexpr CpuPtr kExtraSpeed = 0x85B3;
inline constexpr CpuPtr kSbSpeed = 0x85A8;
inline constexpr CpuPtr kExtraSbSpeed = 0x85B8;
inline constexpr CpuPtr kJump = 0x850D;      // stored negated
inline constexpr CpuPtr kExtraJump = 0x850E; // stored negated
inline constexpr CpuPtr kSafeMode = 0x8C5E;
inline constexpr CpuPtr kHoles = 0xC21E; // an opcode: kHolesOn enables the holes
inline constexpr std::uint8_t kHolesOn = 0x38;
inline constexpr std::uint8_t kHolesOff = 0x18;
inline constexpr CpuPtr kGrabSkateboards = 0xACDB;
inline constexpr CpuPtr kBeginArea = 0x8C86;
inline constexpr CpuPtr kBeginRound = 0x8C87;
inline constexpr CpuPtr kBeginFrom = 0x8C88;
inline constexpr CpuPtr kWeapon = 0x8C89;
inline constexpr CpuPtr kDropsCount = 0x87F7;
inline constexpr CpuPtr kLives = 0x8089;

// Bonus area, one byte each.
inline constexpr CpuPtr kBonusAreaNumber = 0x8182;
inline constexpr CpuPtr kBonusRoundNumber = 0x8186;
inline constexpr CpuPtr kBonusBeginFrom = 0x818A;
inline constexpr CpuPtr kBonusEnd = 0xBBA4; // 16 x begin from + length

// Level geometry tables, read only.
inline constexpr FixedBytes kBgStepTable = {0xBE63, 8};
inline constexpr FixedBytes kBgMaskTable = {0xBE5D, 8};
inline constexpr FixedBytes kFloorShiftTable = {0xBF43, 8};
inline constexpr FixedBytes kGapStartTable = {0xC24D, 9};
inline constexpr FixedBytes kGapEndTable = {0xC256, 9};

// Graphic sets and palettes: pointer words.
inline constexpr CpuPtr kGraphicSetDescriptorsPtr = 0xBBD7; // 12 bytes per graphic set id
inline constexpr CpuPtr kOtherPalettesPtr = 0xBAAB;         // 48 bytes
inline constexpr CpuPtr kPaletteSetsPtr = 0xBC0F;           // 12 bytes per palette set
inline constexpr CpuPtr kPaletteUpdaterLowPtr = 0xBC2E;     // low byte of each updater's address
inline constexpr CpuPtr kPaletteUpdaterHighPtr = 0xBC33;    // high byte of each updater's address

// Objects: pointer words of the tables that hold the low and high bytes of the two objects tables
// (byte 0 the level objects table, byte 1 the bonus objects table).
inline constexpr CpuPtr kObjectsTableLowPtr = 0xBB2B;
inline constexpr CpuPtr kObjectsTableHighPtr = 0xBB30;
inline constexpr CpuPtr kObjectTypes = 0x901E; // 72 descriptors of 6 bytes, read with kObjectsBank
// The seven object image constants, in their order.
inline constexpr std::array<FixedBytes, 3> kObjectImageConstants = {{{0x8AFD, 4}, {0x8B01, 1}, {0x9538, 2}}};

// An objects list stream is no longer fetched once it reaches this address.
inline constexpr CpuPtr kObjectsStreamLimit = 0xFFF0;

} // namespace tikaroo::layout
