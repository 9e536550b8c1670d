#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace tikaroo {

inline constexpr std::size_t kLevelSlotCount = 33; // 32 levels and the hidden boss slot 32
inline constexpr std::size_t kPlayableLevelCount = 32;
inline constexpr std::size_t kBossSlot = 32;
inline constexpr std::size_t kBonusLevelCount = 9;
inline constexpr std::size_t kObjectsListCount = 3;
inline constexpr std::size_t kPaletteSetCount = 16;
inline constexpr std::size_t kObjectTypeCount = 72;
inline constexpr std::size_t kObjectImageConstantCount = 7;
inline constexpr std::size_t kGraphicSetCount = 7;
inline constexpr std::size_t kRoomsPerLevelSet = 64;
inline constexpr std::size_t kBossSlotRooms = 4;
inline constexpr std::uint8_t kNoPaletteUpdater = 15;
inline constexpr std::size_t kMaxPaletteUpdaters = 14;
inline constexpr int kFirstObjectWithParam1 = 56;
inline constexpr int kFirstObjectWithParam2 = 62;
// Object positions count in pixels from the level start; a room is this wide.
inline constexpr std::int32_t kRoomWidth = 128;

// One screen of a level: seven small fields, kept one per byte, in their packed order.
struct LevelRoom {
    std::uint8_t setRoom = 0;      // 6 bits: a SetRoom of the level set's graphic set
    std::uint8_t scroll = 0;       // 2 bits
    std::uint8_t background = 0;   // 3 bits
    std::uint8_t floorShift = 0;   // 3 bits
    std::uint8_t slideFloor = 0;   // 2 bits
    std::uint8_t fruitsHeight = 0; // 4 bits, a signed nibble (values above 7 mean value - 16)
    std::uint8_t floorGeom = 0;    // 4 bits

    bool operator==(const LevelRoom&) const = default;
};

int SignedNibble(std::uint8_t nibble);

// The values of LevelRoom::floorGeom: how the room's floor line runs from its start height.
namespace floor_geom {
inline constexpr std::uint8_t kFlat = 0;
inline constexpr std::uint8_t kNone = 1;
inline constexpr std::uint8_t kSlopeUp = 2;   // rises by a block over the room
inline constexpr std::uint8_t kSlopeDown = 3; // falls by a block over the room
inline constexpr std::uint8_t kStepUp = 4;    // up by a block at mid-room
inline constexpr std::uint8_t kStepDown = 5;  // down by a block at mid-room (6 draws the same)
inline constexpr std::uint8_t kFirstGap = 7;  // 7 + k: a gap from gapStartTable[k] to gapEndTable[k]
} // namespace floor_geom

// Renderer caches of a level set: one (x, y) pair per shown room; only y is used.
struct RoomLayout {
    std::vector<std::array<std::int32_t, 2>> pictureOffset;
    std::vector<std::array<std::int32_t, 2>> bandBottom;
    std::vector<std::array<std::int32_t, 2>> floorLine;
};

struct LevelSet {
    std::uint8_t id = 0;
    std::uint32_t used = 0;
    std::uint8_t attributes =
        0; // bit 7 sea level, bits 6-4 graphic set, bit 3 alt objects palette, 2-0 bridges
    std::uint8_t lastSetRoom = 0;
    std::uint8_t music = 0;
    std::vector<LevelRoom> rooms;
    std::array<std::uint8_t, 4> tops{}; // per 16 rooms: high nibble top of screen, low nibble top of floor
    RoomLayout layout;                  // derived, never stored

    std::uint8_t GraphicSetId() const { return static_cast<std::uint8_t>((attributes >> 4) & 7); }
};

struct ObjectEntry {
    std::uint8_t id = 0; // 1-63
    std::uint32_t x = 0; // pixels from the level start, a multiple of 8
    std::uint8_t param1 = 0;
    std::uint8_t param2 = 0;
    std::int32_t canvasY = 0; // editor only: where the marker was last drawn

    // Equality of what the image stores; the canvas position is view state.
    bool operator==(const ObjectEntry& other) const {
        return id == other.id && x == other.x && param1 == other.param1 && param2 == other.param2;
    }
};

using ObjectsList = std::vector<ObjectEntry>;
using ObjectLists = std::array<ObjectsList, kObjectsListCount>;

// A palette state of the shown level: the room it starts at and its 16 colours.
struct PaletteZone {
    std::uint8_t startRoom = 0;
    std::array<std::uint8_t, 16> colours{};
};

struct Level {
    std::uint8_t levelSet = 0;
    std::uint8_t eggValues = 0;
    std::uint8_t paletteSet = 0;
    std::uint8_t paletteUpdater = kNoPaletteUpdater;
    std::vector<PaletteZone> paletteZones; // derived when the level is shown, never stored
    ObjectLists objectLists;
};

using SetRoom = std::array<std::uint8_t, 4>;         // four LineGeom indexes
using LineGeom = std::uint16_t;                      // low byte TopLines index, high byte BottomLines index
using TopLines = std::array<std::uint8_t, 6>;        // six block numbers
using BottomLines = std::array<std::uint8_t, 5>;     // five block numbers
using Block = std::array<std::uint8_t, 16>;          // 4 rows of 4 tile numbers
using BlockAttributes = std::array<std::uint8_t, 4>; // 2-bit palette numbers in stored order, bits 7-6 first

struct GraphicSet {
    std::uint8_t id = 0;
    std::uint8_t lastRoom = 0;
    std::uint32_t used = 0;
    std::vector<SetRoom> rooms;
    std::vector<LineGeom> lineGeom;
    std::vector<TopLines> topLines;
    std::vector<BottomLines> bottomLines;
    std::vector<Block> blocks;
    std::vector<BlockAttributes> attributes;
};

// Four sub-palettes of four NES colours; colour 0 of each is 0x0F.
using PaletteSet = std::array<std::uint8_t, 16>;

using PaletteAttribute = std::array<std::uint8_t, 4>;

struct PaletteModifier {
    std::uint8_t key = 0;   // the room it applies from
    std::uint8_t count = 0; // as stored; the save rewrites it from the entries
    std::vector<PaletteAttribute> entries;

    bool operator==(const PaletteModifier&) const = default;
};

struct PaletteUpdater {
    std::vector<PaletteModifier> modifiers; // ascending key

    bool operator==(const PaletteUpdater&) const = default;
};

using OtherPalettes = std::array<std::uint8_t, 48>;

struct ObjectType {
    std::array<std::uint8_t, 6> descriptor{};
    std::uint8_t kind = 0;
    std::uint16_t value = 0;

    bool operator==(const ObjectType&) const = default;
};

// The game's speed settings go no higher; the save limits them to it.
inline constexpr std::uint8_t kMaxSpeed = 117;

struct GameSettings {
    std::uint8_t speed = 1;
    std::uint8_t extraSpeed = 1;
    std::uint8_t sbSpeed = 1;
    std::uint8_t extraSbSpeed = 1;
    std::uint8_t jump = 0;
    std::uint8_t extraJump = 0;
    std::uint32_t safeMode = 0;
    std::uint32_t holes = 0;
    std::uint32_t grabSkateboards = 0;
    std::uint8_t beginArea = 0;
    std::uint8_t beginRound = 0;
    std::uint8_t beginFrom = 0;
    std::uint8_t weapon = 0;
    std::uint8_t dropsCount = 1;
    std::uint8_t lives = 1;

    bool operator==(const GameSettings&) const = default;
};

struct BonusArea {
    std::uint8_t area = 0;      // level slot 0-31 whose rooms it uses
    std::uint8_t beginFrom = 0; // starts at room 16 x beginFrom
    std::uint8_t length = 1;    // rooms, 1-64

    bool operator==(const BonusArea&) const = default;
};

// Small read-only tables of the level geometry, copied from the image.
struct LevelGeometryTables {
    std::array<std::uint8_t, 8> bgStepTable{};
    std::array<std::uint8_t, 8> bgMaskTable{};
    std::array<std::uint8_t, 8> floorShiftTable{};
    std::array<std::uint8_t, 9> gapStartTable{};
    std::array<std::uint8_t, 9> gapEndTable{};

    bool operator==(const LevelGeometryTables&) const = default;
};

// What the editor shows: the current level slot or bonus level, the selected object and the click point.
struct ViewState {
    std::uint8_t currentLevel = 0;
    std::uint8_t currentBonusLevel = 0;
    bool bonusMode = false;
    int selectedList = -1;
    int selectedIndex = -1;
    // Picture pixels of the last click on the canvas, rounded down to multiples of 8; -1 when none.
    int clickX = -1;
    int clickY = -1;
};

// Every decoded table of the game.
struct GameTables {
    std::vector<Level> levels;
    std::vector<Level> bonusLevels;
    std::map<std::uint8_t, LevelSet> levelSets;
    std::map<std::uint8_t, GraphicSet> graphicSets;
    std::vector<PaletteSet> paletteSets;
    std::map<std::uint8_t, PaletteUpdater> paletteUpdaters;
    OtherPalettes otherPalettes{};
    std::vector<ObjectType> objectTypes;
    std::array<std::int8_t, kObjectImageConstantCount> objectImageConstants{};
    GameSettings gameSettings;
    BonusArea bonusArea;
    LevelGeometryTables geometry;
    ViewState view;

    void ClearTables();
};

} // namespace tikaroo
