// Reads the level table, the bonus levels and the level sets with their packed rooms.
#include "fixed_locations.h"
#include "table_encoding.h"
#include "table_readers.h"
#include "unpack_bits.h"

#include <algorithm>

namespace tikaroo {

namespace {

LevelRoom UnpackLevelRoom(const Bytes& packed) {
    const Bytes fields = unpackBits(packed, encoding::kLevelRoomFieldBits);
    return LevelRoom{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};
}

// Level table pointers, read once per level loop.
struct LevelTable {
    std::uint32_t levelSetIds;
    std::uint32_t eggValues;
    std::uint32_t palettes;
};

LevelTable ReadLevelTable(const CGameImage& image) {
    return {image.Read16(layout::kLevelSetIdsPtr), image.Read16(layout::kEggValuesPtr),
            image.Read16(layout::kLevelPalettesPtr)};
}

} // namespace

void ReadLevelSet(CGameImage& image, GameTables& tables, std::size_t slot, std::uint8_t id) {
    image.MapBank(layout::kTablesBank);
    LevelSet set;
    set.id = id;
    const std::uint32_t roomsAt = image.Read16(image.Read16(layout::kLevelSetRoomsPtr) + 2U * id);
    const std::uint32_t topsAt = image.Read16(image.Read16(layout::kLevelSetTopsPtr) + 2U * id);
    set.attributes = image.Read8(image.Read16(layout::kLevelSetAttributesPtr) + id);
    Bytes bytes;
    image.ReadBlock(topsAt, encoding::kLevelSetTopsSize, bytes);
    std::copy(bytes.begin(), bytes.end(), set.tops.begin());
    set.music = image.Read8(image.Read16(layout::kLevelSetMusicPtr) + id);

    // The boss slot alone shows only its first rooms.
    const std::size_t roomCount = slot == kBossSlot ? kBossSlotRooms : kRoomsPerLevelSet;
    image.MapBank(layout::kLevelSetRoomsBank);
    set.rooms.reserve(roomCount);
    for (std::size_t room = 0; room < roomCount; ++room) {
        image.ReadBlock(static_cast<std::uint32_t>(roomsAt + encoding::kLevelRoomSize * room),
                        encoding::kLevelRoomSize, bytes);
        set.rooms.push_back(UnpackLevelRoom(bytes));
        set.lastSetRoom = std::max(set.lastSetRoom, set.rooms.back().setRoom);
    }

    const std::uint8_t graphicSetId = set.GraphicSetId();
    if (!tables.graphicSets.contains(graphicSetId)) tables.graphicSets[graphicSetId].id = graphicSetId;
    tables.levelSets[id] = std::move(set);
    image.MapBank(layout::kTablesBank);
}

void ReadLevels(CGameImage& image, GameTables& tables) {
    image.MapBank(layout::kTablesBank);
    const LevelTable table = ReadLevelTable(image);
    tables.levels.clear();
    for (std::size_t slot = 0; slot < kLevelSlotCount; ++slot) {
        Level level;
        level.levelSet = image.Read8(table.levelSetIds + static_cast<std::uint32_t>(slot));
        if (!tables.levelSets.contains(level.levelSet)) ReadLevelSet(image, tables, slot, level.levelSet);
        level.eggValues = image.Read8(table.eggValues + static_cast<std::uint32_t>(slot));
        if (slot < kPlayableLevelCount) {
            const std::uint8_t palettes = image.Read8(table.palettes + static_cast<std::uint32_t>(slot));
            level.paletteSet = palettes >> 4;
            level.paletteUpdater = palettes & 0x0F;
        } else {
            level.paletteSet = 0;
            level.paletteUpdater = kNoPaletteUpdater;
        }
        ReadObjects(image, level, slot, false);
        tables.levels.push_back(std::move(level));
    }

    // Every bonus level plays the boss slot's level set with its colours.
    const Level& boss = tables.levels[kBossSlot];
    tables.bonusLevels.clear();
    for (std::size_t bonus = 0; bonus < kBonusLevelCount; ++bonus) {
        Level level;
        level.levelSet = boss.levelSet;
        level.eggValues = boss.eggValues;
        level.paletteSet = boss.paletteSet;
        level.paletteUpdater = boss.paletteUpdater;
        ReadObjects(image, level, bonus, true);
        tables.bonusLevels.push_back(std::move(level));
    }
}

} // namespace tikaroo
