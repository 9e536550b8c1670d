#include "model_references.h"

#include <set>

namespace tikaroo::cli {

namespace {

std::string Text(std::int64_t value) {
    return std::to_string(value);
}

void CheckBelow(const JsonAt& at, std::int64_t value, std::size_t limit, const std::string& limitName) {
    if (value >= static_cast<std::int64_t>(limit))
        at.Fail(Text(value) + " is not below " + Text(static_cast<std::int64_t>(limit)) + ", " + limitName);
}

void CheckNamedIds(const GameTables& tables, const JsonAt& at, const Level& level) {
    if (!tables.levelSets.contains(level.levelSet))
        at.Member("levelSet").Fail(Text(level.levelSet) + " names no level set of $.levelSets");
    if (level.paletteUpdater != kNoPaletteUpdater && !tables.paletteUpdaters.contains(level.paletteUpdater))
        at.Member("paletteUpdater")
            .Fail(Text(level.paletteUpdater) + " names no palette updater of $.paletteUpdaters (" +
                  Text(kNoPaletteUpdater) + " is none)");
}

// The image stores slot 32 without colours or objects, and the bonus levels borrow all but their objects
// from it: anything else would not survive a save.
void CheckBossSlotAndBonusLevels(const GameTables& tables, const JsonAt& root) {
    const Level& boss = tables.levels[kBossSlot];
    const JsonAt bossAt = root.Member("levels").Item(kBossSlot);
    bossAt.Member("paletteSet").Number(0, 0);
    bossAt.Member("paletteUpdater").Number(kNoPaletteUpdater, kNoPaletteUpdater);
    const auto lists = bossAt.Member("objectLists");
    for (std::size_t list = 0; list < kObjectsListCount; ++list) lists.Item(list).Items(0, 0);

    const struct {
        const char* name;
        std::uint8_t Level::*field;
    } borrowed[] = {{"levelSet", &Level::levelSet},
                    {"eggValues", &Level::eggValues},
                    {"paletteSet", &Level::paletteSet},
                    {"paletteUpdater", &Level::paletteUpdater}};
    for (std::size_t bonus = 0; bonus < tables.bonusLevels.size(); ++bonus) {
        for (const auto& field : borrowed) {
            const std::uint8_t value = tables.bonusLevels[bonus].*field.field;
            if (value != boss.*field.field)
                root.Member("bonusLevels")
                    .Item(bonus)
                    .Member(field.name)
                    .Fail(Text(value) + " is not " + Text(boss.*field.field) + ", as $.levels[32]." +
                          field.name + ": bonus levels play slot 32's");
        }
    }
}

// The level sets of the first `slotCount` slots: the 32 playable levels, or all 33 slots.
std::set<std::uint8_t> LevelSetsOf(const GameTables& tables, std::size_t slotCount) {
    std::set<std::uint8_t> ids;
    for (std::size_t slot = 0; slot < slotCount; ++slot) ids.insert(tables.levels[slot].levelSet);
    return ids;
}

// Only the sets some slot plays are saved; the save drops the others, whatever they hold.
void CheckLevelSets(const GameTables& tables, const JsonAt& at) {
    const std::set<std::uint8_t> playable = LevelSetsOf(tables, kPlayableLevelCount);
    const std::set<std::uint8_t> saved = LevelSetsOf(tables, kLevelSlotCount);
    std::size_t index = 0;
    for (const auto& [id, set] : tables.levelSets) {
        const JsonAt setAt = at.Item(index++);
        if (!saved.contains(id)) continue;
        const auto graphicSet = tables.graphicSets.find(set.GraphicSetId());
        if (graphicSet == tables.graphicSets.end())
            setAt.Member("attributes")
                .Fail(Text(set.attributes) + " names graphic set " + Text(set.GraphicSetId()) +
                      ", not one of $.graphicSets");
        if (playable.contains(id)) setAt.Member("rooms").Items(kRoomsPerLevelSet, kRoomsPerLevelSet);
        const JsonAt rooms = setAt.Member("rooms");
        for (std::size_t room = 0; room < set.rooms.size(); ++room)
            CheckBelow(rooms.Item(room).Member("setRoom"), set.rooms[room].setRoom,
                       graphicSet->second.rooms.size(),
                       "the rooms of graphic set " + Text(graphicSet->first));
    }
}

template <typename Rows>
void CheckRowsBelow(const JsonAt& at, const Rows& rows, std::size_t limit, const std::string& limitName) {
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t i = 0; i < rows[row].size(); ++i)
            CheckBelow(at.Item(row).Item(i), rows[row][i], limit, limitName);
}

// Every index inside a set names an entry of the table below it, and every block has its attributes.
void CheckGraphicSet(const GraphicSet& set, const JsonAt& at) {
    CheckRowsBelow(at.Member("rooms"), set.rooms, set.lineGeom.size(), "the count of lineGeom");
    const JsonAt lineGeom = at.Member("lineGeom");
    for (std::size_t i = 0; i < set.lineGeom.size(); ++i) {
        const LineGeom entry = set.lineGeom[i];
        const struct {
            std::size_t index;
            std::size_t count;
            const char* table;
            const char* byte;
        } halves[] = {{entry & 0xFFU, set.topLines.size(), "topLines", "low"},
                      {static_cast<std::size_t>(entry >> 8U), set.bottomLines.size(), "bottomLines", "high"}};
        for (const auto& half : halves)
            if (half.index >= half.count)
                lineGeom.Item(i).Fail(Text(entry) + " names " + half.table + " entry " +
                                      Text(static_cast<std::int64_t>(half.index)) + " (" + half.byte +
                                      " byte), not below " + Text(static_cast<std::int64_t>(half.count)));
    }
    CheckRowsBelow(at.Member("topLines"), set.topLines, set.blocks.size(), "the count of blocks");
    CheckRowsBelow(at.Member("bottomLines"), set.bottomLines, set.blocks.size(), "the count of blocks");
    at.Member("attributes").Items(set.blocks.size(), set.blocks.size());
}

void CheckGraphicSets(const GameTables& tables, const JsonAt& at) {
    for (const auto& [id, set] : tables.graphicSets) CheckGraphicSet(set, at.Item(id));
}

} // namespace

void CheckReferences(const GameTables& tables, const JsonAt& root) {
    const JsonAt levels = root.Member("levels");
    for (std::size_t slot = 0; slot < tables.levels.size(); ++slot)
        CheckNamedIds(tables, levels.Item(slot), tables.levels[slot]);
    CheckBossSlotAndBonusLevels(tables, root);
    CheckLevelSets(tables, root.Member("levelSets"));
    CheckGraphicSets(tables, root.Member("graphicSets"));
}

} // namespace tikaroo::cli
