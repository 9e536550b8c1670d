#include "sample_levels.h"

#include "sample_geometry.h"
#include "sample_palettes.h"

#include <array>

namespace tikaroo::sample {

namespace {

// A walk through the set rooms of a graphic set: every room appears, hills (5 then 6, 12 then 13)
// stay in pairs. Each level set starts at another place of it.
constexpr std::array<std::uint8_t, 34> kTour = {0, 1, 0, 7, 0, 5, 6, 2, 0, 4, 0, 3, 12, 13, 10, 0, 11,
                                                8, 0, 9, 0, 5, 6, 1, 0, 7, 2, 0, 4, 10, 0,  3,  8, 11};
constexpr std::uint8_t kFlatRoom = 0;
// Backgrounds given to the flat rooms in turn; the slopes up and down cancel out.
constexpr std::array<std::uint8_t, 12> kSlopes = {0, 1, 2, 0, 3, 4, 5, 6, 0, 7, 4, 4};
constexpr std::array<std::uint8_t, 8> kFruitHeights = {0, 1, 0, 15, 2, 0, 14, 1};
constexpr std::array<std::uint8_t, 8> kEggValues = {0x00, 0x1B, 0xE4, 0x55, 0xAA, 0x6C, 0x93, 0xFF};
// Tops that all put the floor line at 224, the top of the ground blocks of row 7.
constexpr std::array<std::uint8_t, 4> kTops = {0xB2, 0xA4, 0xB2, 0xC0};
// The boss arena: walls and pillars of the castle.
constexpr std::array<std::uint8_t, kBossSlotRooms> kBossRooms = {0, 2, 9, 0};

constexpr std::uint8_t kScrollUp = 1;
constexpr std::uint8_t kScrollDown = 2;
constexpr std::uint8_t kScrollKept = 3;
constexpr int kBandMove = 32;

std::uint8_t GraphicSetOf(std::uint8_t levelSet) {
    return levelSet == kBossLevelSet ? 1 : levelSet % 3;
}

LevelRoom MakeRoom(std::uint8_t setRoom, std::uint8_t background, std::size_t index,
                   const SampleGraphicSets& graphicSets, std::uint8_t g,
                   const LevelGeometryTables& geometry) {
    LevelRoom room;
    room.setRoom = setRoom;
    room.floorGeom = graphicSets.floorGeom[g][setRoom];
    room.background = background;
    room.floorShift = background; // the floor line follows the slope (sample_geometry.h)
    const int shift = static_cast<std::int8_t>(geometry.floorShiftTable[background]);
    if (shift >= kBandMove) {
        room.scroll = kScrollDown;
    } else if (shift <= -kBandMove) {
        room.scroll = kScrollUp;
    } else if (index % 16 == 15) {
        room.scroll = kScrollKept;
    }
    room.fruitsHeight = kFruitHeights[index % kFruitHeights.size()];
    return room;
}

std::vector<LevelRoom> MakeRooms(std::uint8_t id, const SampleGraphicSets& graphicSets,
                                 const LevelGeometryTables& geometry) {
    const std::uint8_t g = GraphicSetOf(id);
    std::vector<LevelRoom> rooms;
    std::size_t flatRooms = 0;
    bool afterRaised = false; // the floor line still stands a block high and must come down
    for (std::size_t i = 0; i < kRoomsPerLevelSet; ++i) {
        const bool edge = i == 0 || i + 1 == kRoomsPerLevelSet; // start and end on flat ground
        const std::uint8_t setRoom = edge ? kFlatRoom : kTour[(i + 5u * id) % kTour.size()];
        const bool raised = StartsRaised(graphicSets.floorGeom[g][setRoom]);
        const bool sloped = setRoom == kFlatRoom && !afterRaised && !raised;
        const std::uint8_t background = sloped ? kSlopes[flatRooms++ % kSlopes.size()] : 0;
        LevelRoom room = MakeRoom(setRoom, background, i, graphicSets, g, geometry);
        if (raised != afterRaised) room.floorShift = raised ? kFloorShiftBlockUp : kFloorShiftBlockDown;
        afterRaised = raised;
        rooms.push_back(room);
    }
    if (g == 1) { // castle floors are icy for a while
        for (std::size_t i = 16; i < 24; ++i) rooms[i].slideFloor = 1;
    }
    if (id == 5) {
        rooms[40].slideFloor = 2;
        rooms[41].slideFloor = 3;
    }
    return rooms;
}

LevelSet MakeLevelSet(std::uint8_t id, std::vector<LevelRoom> rooms) {
    LevelSet set;
    set.id = id;
    const std::uint8_t g = GraphicSetOf(id);
    const bool seaLevel = g == 2;
    const bool altObjectsPalette = id % 2 == 1;
    set.attributes = static_cast<std::uint8_t>(seaLevel << 7 | g << 4 | altObjectsPalette << 3 | id % 7);
    set.music = static_cast<std::uint8_t>(id == kBossLevelSet ? 14 : id);
    for (std::size_t k = 0; k < set.tops.size(); ++k) set.tops[k] = kTops[(k + id) % kTops.size()];
    set.rooms = std::move(rooms);
    for (const LevelRoom& room : set.rooms) set.lastSetRoom = std::max(set.lastSetRoom, room.setRoom);
    return set;
}

std::uint8_t PaletteSetOf(std::size_t slot, std::uint8_t g) {
    const std::size_t area = slot / 4;
    const std::size_t round = slot % 4;
    if (area < 6) return static_cast<std::uint8_t>(g * kPalettesPerTheme + round);
    return static_cast<std::uint8_t>(round == 3 ? kNightPalettes + 3 : kNightPalettes + g);
}

} // namespace

SampleLevels MakeLevels(const SampleGraphicSets& graphicSets, const LevelGeometryTables& geometry) {
    SampleLevels result;
    for (std::uint8_t id = 0; id < kBossLevelSet; ++id) {
        const std::uint8_t roomsOf = id == kSharedRoomsSet ? kSharedRoomsSource : id;
        result.levelSets[id] = MakeLevelSet(id, MakeRooms(roomsOf, graphicSets, geometry));
    }
    std::vector<LevelRoom> bossRooms;
    for (std::size_t i = 0; i < kBossRooms.size(); ++i) {
        bossRooms.push_back(MakeRoom(kBossRooms[i], 0, i, graphicSets, 1, geometry));
    }
    result.levelSets[kBossLevelSet] = MakeLevelSet(kBossLevelSet, std::move(bossRooms));

    for (std::size_t slot = 0; slot < kPlayableLevelCount; ++slot) {
        Level level;
        level.levelSet = static_cast<std::uint8_t>(slot % kBossLevelSet);
        level.eggValues = kEggValues[slot % kEggValues.size()];
        const std::uint8_t g = GraphicSetOf(level.levelSet);
        level.paletteSet = PaletteSetOf(slot, g);
        level.paletteUpdater = slot % 3 == 0 || slot / 4 >= 6 ? kNoPaletteUpdater : g;
        result.levels.push_back(level);
    }
    Level boss; // slot 32 keeps palette set 0 and no updater
    boss.levelSet = kBossLevelSet;
    boss.eggValues = 0x1B;
    result.levels.push_back(boss);
    return result;
}

GameSettings SampleGameSettings() {
    GameSettings settings;
    settings.speed = 24;
    settings.extraSpeed = 32;
    settings.sbSpeed = 40;
    settings.extraSbSpeed = 56;
    settings.jump = 64;
    settings.extraJump = 80;
    settings.holes = 1;
    settings.grabSkateboards = 1;
    settings.dropsCount = 3;
    settings.lives = 5;
    // Safe mode, the start and the weapon live in the bytes that the conversion's hook routines
    // overwrite with zeros, so a converted image always starts with them off.
    return settings;
}

BonusArea SampleBonusArea() {
    return {9, 1, 16};
}

} // namespace tikaroo::sample
