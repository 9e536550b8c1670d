#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// How the game's variable tables are packed in the image. The readers decode and the encoders write
// exactly these forms.
namespace tikaroo::encoding {

// A level set room: 3 bytes, big-endian, fields from the most significant bit down in the order of
// LevelRoom (setRoom, scroll, background, floorShift, slideFloor, fruitsHeight, floorGeom).
inline constexpr std::size_t kLevelRoomSize = 3;
inline constexpr std::array<std::uint8_t, 7> kLevelRoomFieldBits = {6, 2, 3, 3, 2, 4, 4};
inline constexpr std::size_t kLevelSetTopsSize = 4;

// A graphic set room: 3 bytes, big-endian, four 6-bit LineGeom indexes, most significant first.
inline constexpr std::size_t kSetRoomSize = 3;
inline constexpr std::array<std::uint8_t, 4> kSetRoomFieldBits = {6, 6, 6, 6};

// The graphic set descriptor: six pointer words in this order.
enum class GraphicSetTable { Rooms, LineGeom, TopLines, BottomLines, Blocks, Attributes };
inline constexpr std::size_t kGraphicSetTableCount = 6;
inline constexpr std::size_t kGraphicSetDescriptorSize = 2 * kGraphicSetTableCount;
inline constexpr std::size_t kLineGeomSize = 2;
// Block attributes: one byte per block, four 2-bit palette numbers from bits 7-6 down.
inline constexpr std::array<std::uint8_t, 4> kBlockAttributeFieldBits = {2, 2, 2, 2};

// A palette set: colours 1-3 of each of the four sub-palettes; colour 0 is always kPaletteBackground.
inline constexpr std::size_t kPaletteSetSize = 12;
inline constexpr std::size_t kStoredColoursPerSubPalette = 3;
inline constexpr std::uint8_t kPaletteBackground = 0x0F;
inline constexpr std::uint8_t kNesColourCount = 64;

// A palette updater: modifiers (a word: key in the low byte, entry count in the high byte, then the
// entries) until kUpdaterEnd stands where the next modifier would begin.
inline constexpr std::uint8_t kUpdaterEnd = 0xFF;
inline constexpr std::size_t kPaletteAttributeSize = 4;

// Objects tables: three list pointer words per level; a pointer of 0 is an empty list.
inline constexpr std::size_t kObjectsTableEntrySize = 6;
inline constexpr std::size_t kObjectTypeSize = 6;

// An objects list stream, most significant bit first: a start position, then per object its id
// (0 ends the list), param1 for ids from 56, param2 for ids from 62, and either a short step or a long
// position (a long position of 0 ends the list after the object). Positions count 8-pixel units.
inline constexpr int kObjectsStartBits = 10;
inline constexpr int kObjectIdBits = 6;
inline constexpr int kObjectParamBits = 8;
inline constexpr int kObjectLongFlagBits = 1;
inline constexpr int kObjectStepBits = 6;
inline constexpr int kObjectPositionBits = 10;
inline constexpr std::uint32_t kObjectPositionUnit = 8;
// The game fetches a stream in chunks of this many bytes.
inline constexpr std::size_t kObjectsFetchSize = 15;

} // namespace tikaroo::encoding
