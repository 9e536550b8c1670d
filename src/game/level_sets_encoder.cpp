#include "level_sets_encoder.h"

#include "bit_writer.h"
#include "fixed_locations.h"
#include "renumber.h"
#include "rom/rom_error.h"
#include "save_layout.h"
#include "table_encoding.h"
#include "table_writer.h"

#include <algorithm>
#include <set>

namespace tikaroo {

namespace {

using namespace encoding;

void RenumberLevelSets(GameTables& tables) {
    const auto newIds = DropUnusedAndRenumber(
        tables.levelSets, [](std::uint8_t, const LevelSet& set) { return set.used != 0; });
    for (auto& [id, set] : tables.levelSets) set.id = id;
    for (std::size_t slot = 0; slot < kLevelSlotCount; ++slot)
        FollowRenumbering(newIds, tables.levels.at(slot).levelSet);
    // The image gives the bonus levels slot 32's level set; say so in the model too.
    for (Level& bonus : tables.bonusLevels) bonus.levelSet = tables.levels.at(kBossSlot).levelSet;
}

// The rooms that the boss slots' level sets carry after their own: slot 32's rooms from the third on,
// taken from at least four rooms (missing ones are zero rooms at the front).
std::vector<LevelRoom> BossRooms(const GameTables& tables) {
    std::vector<LevelRoom> rooms = tables.levelSets.at(tables.levels.at(kBossSlot).levelSet).rooms;
    if (rooms.size() < kBossSlotRooms)
        rooms.insert(rooms.begin(), kBossSlotRooms - rooms.size(), LevelRoom{});
    rooms.erase(rooms.begin(), rooms.begin() + 2);
    return rooms;
}

void PackRoom(const LevelRoom& room, BitWriter& bits) {
    const std::array<std::uint8_t, kLevelRoomFieldBits.size()> fields = {
        room.setRoom,    room.scroll,       room.background, room.floorShift,
        room.slideFloor, room.fruitsHeight, room.floorGeom};
    for (std::size_t i = 0; i < fields.size(); ++i) bits.Put(fields[i], kLevelRoomFieldBits[i]);
}

Bytes PackRooms(const std::vector<LevelRoom>& own, const std::vector<LevelRoom>* boss) {
    Bytes packed;
    BitWriter bits(packed);
    for (const LevelRoom& room : own) PackRoom(room, bits);
    if (boss != nullptr)
        for (const LevelRoom& room : *boss) PackRoom(room, bits);
    return packed;
}

// One byte per level set, in id order, at the running address.
template <typename Field>
void WritePerSet(TableWriter& table, const GameTables& tables, Field field) {
    for (const auto& entry : tables.levelSets) table.Byte(field(entry.second));
}

void WriteRooms(CGameImage& image, const GameTables& tables, TableWriter& pointers) {
    const std::vector<LevelRoom> bossRooms = BossRooms(tables);
    std::set<std::uint8_t> bossSets;
    for (const std::uint8_t slot : layout::kBossSlots) bossSets.insert(tables.levels.at(slot).levelSet);

    image.MapBank(layout::kLevelSetRoomsBank);
    TableWriter rooms(image, layout::kLevelSetRoomsStart);
    for (const auto& [id, set] : tables.levelSets) {
        const Bytes packed = PackRooms(set.rooms, bossSets.contains(id) ? &bossRooms : nullptr);
        if (rooms.Address() + packed.size() > layout::kSwitchableEnd)
            throw RomError(errors::kNotEnoughMemory);
        pointers.Word(static_cast<std::uint16_t>(rooms.Address()));
        rooms.Block(packed);
    }
}

} // namespace

std::uint32_t EncodeLevelSets(CGameImage& image, GameTables& tables, std::uint32_t address) {
    RenumberLevelSets(tables);
    image.MapBank(layout::kTablesBank);
    TableWriter table(image, address);

    image.Write16(layout::kLevelSetMusicPtr, static_cast<std::uint16_t>(table.Address()));
    WritePerSet(table, tables, [](const LevelSet& set) { return set.music; });

    image.Write16(layout::kLevelSetIdsPtr, static_cast<std::uint16_t>(table.Address()));
    for (std::size_t slot = 0; slot < kLevelSlotCount; ++slot) table.Byte(tables.levels.at(slot).levelSet);

    const auto topsPointers = static_cast<std::uint16_t>(table.Address());
    image.Write16(layout::kLevelSetTopsPtr, topsPointers);
    image.Write16(layout::kLevelSetTopsHighPtr, static_cast<std::uint16_t>(topsPointers + 1));
    auto topsAt = static_cast<std::uint32_t>(topsPointers + 2 * tables.levelSets.size());
    for (std::size_t i = 0; i < tables.levelSets.size(); ++i) {
        table.Word(static_cast<std::uint16_t>(topsAt));
        topsAt += kLevelSetTopsSize;
    }
    for (const auto& entry : tables.levelSets)
        table.Block(Bytes(entry.second.tops.begin(), entry.second.tops.end()));

    const auto attributes = static_cast<std::uint16_t>(table.Address());
    image.Write16(layout::kLevelSetAttributesPtr, attributes);
    for (const CpuPtr copy : layout::kLevelSetAttributesCopies) image.Write16(copy, attributes);
    WritePerSet(table, tables, [](const LevelSet& set) { return set.attributes; });

    const auto roomPointers = static_cast<std::uint16_t>(table.Address());
    image.Write16(layout::kLevelSetRoomsPtr, roomPointers);
    image.Write16(layout::kLevelSetRoomsHighPtr, static_cast<std::uint16_t>(roomPointers + 1));
    WriteRooms(image, tables, table);
    return table.Address();
}

} // namespace tikaroo
