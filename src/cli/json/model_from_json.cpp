#include "model_from_json.h"

#include "json_at.h"
#include "model_fields.h"
#include "model_references.h"

#include <algorithm>
#include <limits>

namespace tikaroo::cli {

namespace {

constexpr std::size_t kMaxObjectsPerList = 1024;
constexpr std::size_t kMaxLevelSets = 255;
constexpr std::size_t kMaxGraphicSets = kGraphicSetCount + 1;
constexpr std::size_t kMaxSetRooms = 64;
constexpr std::size_t kMaxLineGeom = 64;
constexpr std::size_t kMaxTableEntries = 256;
constexpr std::size_t kMaxModifiers = 64;
constexpr std::size_t kMaxModifierEntries = 255;
constexpr std::int64_t kMaxSetRoomIndex = 63;
constexpr std::int64_t kMaxColour = 0x3F;
constexpr std::int64_t kBackgroundColour = 0x0F;
constexpr std::int64_t kMaxBridges = 6;
constexpr std::size_t kMaxRoomsPerBonusArea = kRoomsPerLevelSet;
constexpr std::size_t kRoomsPerBonusBegin = 16;

template <typename Record, std::size_t N>
Record ReadRecord(const JsonAt& at, const std::array<NumberField<Record>, N>& fields,
                  std::initializer_list<std::string_view> otherMembers = {}) {
    std::vector<std::string_view> known(otherMembers);
    for (const NumberField<Record>& field : fields) known.push_back(field.name);
    at.OnlyMembers(known);
    Record record{};
    for (const NumberField<Record>& field : fields)
        field.set(record, at.Member(field.name).Number(field.min, field.max, field.step));
    return record;
}

// A fixed-size row of numbers from 0 to `max`.
template <typename Row>
Row ReadRow(const JsonAt& at, std::int64_t max) {
    Row row{};
    const auto items = at.Items(row.size(), row.size());
    for (std::size_t i = 0; i < row.size(); ++i)
        row[i] = static_cast<typename Row::value_type>(items[i].Number(0, max));
    return row;
}

template <typename Row>
std::vector<Row> ReadRows(const JsonAt& at, std::size_t maxCount, std::int64_t max) {
    std::vector<Row> rows;
    for (const JsonAt& item : at.Items(0, maxCount)) rows.push_back(ReadRow<Row>(item, max));
    return rows;
}

// Ids of a map stand in ascending order, each once.
template <typename Record>
void CheckAscending(const std::map<std::uint8_t, Record>& records, std::uint8_t id, const JsonAt& at) {
    if (!records.empty() && id <= records.rbegin()->first)
        at.Fail(std::to_string(id) + " does not follow " + std::to_string(records.rbegin()->first) +
                ": ids ascend");
}

// The stream carries a parameter only for the objects that have it; any other value would be lost.
void CheckUnusedParameter(const JsonAt& entry, const char* name, std::uint8_t value, std::uint8_t id,
                          int firstWithIt) {
    if (id < firstWithIt && value != 0)
        entry.Member(name).Fail(std::to_string(value) + " is not 0: objects below " +
                                std::to_string(firstWithIt) + " have no " + name);
}

ObjectEntry ReadObjectEntry(const JsonAt& at) {
    const ObjectEntry entry = ReadRecord(at, kObjectEntryFields);
    CheckUnusedParameter(at, "param1", entry.param1, entry.id, kFirstObjectWithParam1);
    CheckUnusedParameter(at, "param2", entry.param2, entry.id, kFirstObjectWithParam2);
    return entry;
}

Level ReadLevel(const JsonAt& at) {
    Level level = ReadRecord(at, kLevelFields, {"objectLists"});
    const auto lists = at.Member("objectLists").Items(kObjectsListCount, kObjectsListCount);
    for (std::size_t list = 0; list < kObjectsListCount; ++list)
        for (const JsonAt& entry : lists[list].Items(0, kMaxObjectsPerList))
            level.objectLists[list].push_back(ReadObjectEntry(entry));
    return level;
}

std::vector<Level> ReadLevels(const JsonAt& at, std::size_t count) {
    std::vector<Level> levels;
    for (const JsonAt& level : at.Items(count, count)) levels.push_back(ReadLevel(level));
    return levels;
}

LevelSet ReadLevelSet(const JsonAt& at) {
    LevelSet set = ReadRecord(at, kLevelSetFields, {"lastSetRoom", "tops", "rooms"});
    if ((set.attributes & 7) > kMaxBridges)
        at.Member("attributes")
            .Fail(std::to_string(set.attributes) + " names bridges tileset " +
                  std::to_string(set.attributes & 7) + ", not below " + std::to_string(kMaxBridges + 1));
    // Derived from the rooms; a value given is checked and then worked out again.
    if (at.Has("lastSetRoom")) at.Member("lastSetRoom").Number(0, kMaxSetRoomIndex);
    set.tops = ReadRow<decltype(set.tops)>(at.Member("tops"), std::numeric_limits<std::uint8_t>::max());
    const JsonAt rooms = at.Member("rooms");
    for (const JsonAt& room : rooms.Items(kBossSlotRooms, kRoomsPerLevelSet))
        set.rooms.push_back(ReadRecord(room, kLevelRoomFields));
    if (set.rooms.size() != kBossSlotRooms && set.rooms.size() != kRoomsPerLevelSet)
        rooms.Fail("has " + std::to_string(set.rooms.size()) + " entries, not " +
                   std::to_string(kRoomsPerLevelSet) + " (or " + std::to_string(kBossSlotRooms) +
                   " for a set only slot 32 plays)");
    return set;
}

std::map<std::uint8_t, LevelSet> ReadLevelSets(const JsonAt& at) {
    std::map<std::uint8_t, LevelSet> sets;
    for (const JsonAt& item : at.Items(1, kMaxLevelSets)) {
        LevelSet set = ReadLevelSet(item);
        CheckAscending(sets, set.id, item.Member("id"));
        sets.emplace(set.id, std::move(set));
    }
    return sets;
}

GraphicSet ReadGraphicSet(const JsonAt& at, std::size_t index) {
    at.OnlyMembers(
        {"id", "used", "lastRoom", "rooms", "lineGeom", "topLines", "bottomLines", "blocks", "attributes"});
    GraphicSet set;
    set.id = static_cast<std::uint8_t>(
        at.Member("id").Number(static_cast<std::int64_t>(index), static_cast<std::int64_t>(index)));
    // Derived from the level sets and the rooms; values given are checked and then worked out again.
    if (at.Has("used")) at.Member("used").Boolean();
    if (at.Has("lastRoom")) at.Member("lastRoom").Number(0, kMaxSetRoomIndex);
    constexpr auto kByte = std::numeric_limits<std::uint8_t>::max();
    set.rooms = ReadRows<SetRoom>(at.Member("rooms"), kMaxSetRooms, kMaxSetRoomIndex);
    for (const JsonAt& entry : at.Member("lineGeom").Items(0, kMaxLineGeom))
        set.lineGeom.push_back(static_cast<LineGeom>(entry.Number(0, std::numeric_limits<LineGeom>::max())));
    set.topLines = ReadRows<TopLines>(at.Member("topLines"), kMaxTableEntries, kByte);
    set.bottomLines = ReadRows<BottomLines>(at.Member("bottomLines"), kMaxTableEntries, kByte);
    set.blocks = ReadRows<Block>(at.Member("blocks"), kMaxTableEntries, kByte);
    set.attributes = ReadRows<BlockAttributes>(at.Member("attributes"), kMaxTableEntries, 3);
    return set;
}

std::map<std::uint8_t, GraphicSet> ReadGraphicSets(const JsonAt& at) {
    std::map<std::uint8_t, GraphicSet> sets;
    const auto items = at.Items(kGraphicSetCount, kMaxGraphicSets);
    for (std::size_t index = 0; index < items.size(); ++index) {
        GraphicSet set = ReadGraphicSet(items[index], index);
        sets.emplace(set.id, std::move(set));
    }
    return sets;
}

std::vector<PaletteSet> ReadPaletteSets(const JsonAt& at) {
    std::vector<PaletteSet> sets;
    for (const JsonAt& item : at.Items(kPaletteSetCount, kPaletteSetCount)) {
        PaletteSet set{};
        const auto colours = item.Items(set.size(), set.size());
        for (std::size_t i = 0; i < set.size(); ++i) {
            const bool background = i % 4 == 0; // colour 0 of a sub-palette is always the same
            set[i] =
                static_cast<std::uint8_t>(background ? colours[i].Number(kBackgroundColour, kBackgroundColour)
                                                     : colours[i].Number(0, kMaxColour));
        }
        sets.push_back(set);
    }
    return sets;
}

PaletteUpdater ReadPaletteUpdater(const JsonAt& at) {
    PaletteUpdater updater;
    for (const JsonAt& item : at.Member("modifiers").Items(0, kMaxModifiers)) {
        item.OnlyMembers({"key", "entries"});
        PaletteModifier modifier;
        modifier.key = static_cast<std::uint8_t>(item.Member("key").Number(0, kMaxSetRoomIndex));
        // The save writes the modifiers in key order; a load keeps only the last of equal keys.
        if (std::any_of(updater.modifiers.begin(), updater.modifiers.end(),
                        [&](const PaletteModifier& earlier) { return earlier.key == modifier.key; }))
            item.Member("key").Fail(std::to_string(modifier.key) + " is the key of an earlier modifier");
        modifier.entries = ReadRows<PaletteAttribute>(item.Member("entries"), kMaxModifierEntries,
                                                      std::numeric_limits<std::uint8_t>::max());
        modifier.count = static_cast<std::uint8_t>(modifier.entries.size());
        updater.modifiers.push_back(std::move(modifier));
    }
    return updater;
}

std::map<std::uint8_t, PaletteUpdater> ReadPaletteUpdaters(const JsonAt& at) {
    std::map<std::uint8_t, PaletteUpdater> updaters;
    for (const JsonAt& item : at.Items(0, kMaxPaletteUpdaters)) {
        item.OnlyMembers({"id", "modifiers"});
        const JsonAt idAt = item.Member("id");
        const auto id = static_cast<std::uint8_t>(idAt.Number(0, kMaxPaletteUpdaters - 1));
        CheckAscending(updaters, id, idAt);
        updaters.emplace(id, ReadPaletteUpdater(item));
    }
    return updaters;
}

// The image keeps the object types as they are: a file may repeat them but not change them.
void CheckObjectTypes(const JsonAt& at, const std::vector<ObjectType>& kept) {
    const auto types = at.Items(kept.size(), kept.size());
    for (std::size_t type = 0; type < kept.size(); ++type) {
        const auto bytes = types[type].Items(kept[type].descriptor.size(), kept[type].descriptor.size());
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const std::int64_t stored = kept[type].descriptor[i];
            if (bytes[i].Number(0, std::numeric_limits<std::uint8_t>::max()) != stored)
                bytes[i].Fail("differs from the ROM's " + std::to_string(stored) +
                              ": object types are not edited");
        }
    }
}

BonusArea ReadBonusArea(const JsonAt& at) {
    BonusArea area = ReadRecord(at, kBonusAreaFields);
    // The area ends within the rooms of one level set.
    at.Member("length").Number(
        1, static_cast<std::int64_t>(kMaxRoomsPerBonusArea - kRoomsPerBonusBegin * area.beginFrom));
    return area;
}

} // namespace

GameTables ModelFromJson(const QJsonValue& document, const GameTables& base) {
    const JsonAt root(document, "$");
    root.OnlyMembers({"levels", "bonusLevels", "levelSets", "graphicSets", "paletteSets", "paletteUpdaters",
                      "otherPalettes", "objectTypes", "gameSettings", "bonusArea"});
    GameTables tables;
    tables.levels = ReadLevels(root.Member("levels"), kLevelSlotCount);
    tables.bonusLevels = ReadLevels(root.Member("bonusLevels"), kBonusLevelCount);
    tables.levelSets = ReadLevelSets(root.Member("levelSets"));
    tables.graphicSets = ReadGraphicSets(root.Member("graphicSets"));
    tables.paletteSets = ReadPaletteSets(root.Member("paletteSets"));
    tables.paletteUpdaters = ReadPaletteUpdaters(root.Member("paletteUpdaters"));
    tables.otherPalettes =
        ReadRow<OtherPalettes>(root.Member("otherPalettes"), std::numeric_limits<std::uint8_t>::max());
    if (root.Has("objectTypes")) CheckObjectTypes(root.Member("objectTypes"), base.objectTypes);
    tables.gameSettings = ReadRecord(root.Member("gameSettings"), kGameSettingsFields);
    tables.bonusArea = ReadBonusArea(root.Member("bonusArea"));
    CheckReferences(tables, root);
    return tables;
}

} // namespace tikaroo::cli
