#include "model_json.h"

#include <QJsonArray>

namespace tikaroo::cli {

namespace {

template <typename Numbers>
QJsonArray NumberArray(const Numbers& numbers) {
    QJsonArray array;
    for (auto number : numbers) array.append(static_cast<qint64>(number));
    return array;
}

template <typename Rows>
QJsonArray NumberRows(const Rows& rows) {
    QJsonArray array;
    for (const auto& row : rows) array.append(NumberArray(row));
    return array;
}

QJsonObject ObjectEntryJson(const ObjectEntry& entry) {
    return {{"id", entry.id},
            {"x", static_cast<qint64>(entry.x)},
            {"param1", entry.param1},
            {"param2", entry.param2}};
}

QJsonObject LevelJson(const Level& level) {
    QJsonArray lists;
    for (const ObjectsList& list : level.objectLists) {
        QJsonArray entries;
        for (const ObjectEntry& entry : list) entries.append(ObjectEntryJson(entry));
        lists.append(entries);
    }
    return {{"levelSet", level.levelSet},
            {"eggValues", level.eggValues},
            {"paletteSet", level.paletteSet},
            {"paletteUpdater", level.paletteUpdater},
            {"objectLists", lists}};
}

QJsonArray LevelsJson(const std::vector<Level>& levels) {
    QJsonArray array;
    for (const Level& level : levels) array.append(LevelJson(level));
    return array;
}

QJsonObject LevelRoomJson(const LevelRoom& room) {
    return {{"setRoom", room.setRoom},       {"scroll", room.scroll},
            {"background", room.background}, {"floorShift", room.floorShift},
            {"slideFloor", room.slideFloor}, {"fruitsHeight", room.fruitsHeight},
            {"floorGeom", room.floorGeom}};
}

QJsonObject LevelSetJson(const LevelSet& set) {
    QJsonArray rooms;
    for (const LevelRoom& room : set.rooms) rooms.append(LevelRoomJson(room));
    return {{"id", set.id},       {"attributes", set.attributes},  {"lastSetRoom", set.lastSetRoom},
            {"music", set.music}, {"tops", NumberArray(set.tops)}, {"rooms", rooms}};
}

QJsonObject GraphicSetJson(const GraphicSet& set) {
    return {{"id", set.id},
            {"used", set.used != 0},
            {"lastRoom", set.lastRoom},
            {"rooms", NumberRows(set.rooms)},
            {"lineGeom", NumberArray(set.lineGeom)},
            {"topLines", NumberRows(set.topLines)},
            {"bottomLines", NumberRows(set.bottomLines)},
            {"blocks", NumberRows(set.blocks)},
            {"attributes", NumberRows(set.attributes)}};
}

QJsonObject PaletteUpdaterJson(std::uint8_t id, const PaletteUpdater& updater) {
    QJsonArray modifiers;
    for (const PaletteModifier& modifier : updater.modifiers)
        modifiers.append(QJsonObject{{"key", modifier.key}, {"entries", NumberRows(modifier.entries)}});
    return {{"id", id}, {"modifiers", modifiers}};
}

QJsonObject GameSettingsJson(const GameSettings& settings) {
    return {{"speed", settings.speed},
            {"extraSpeed", settings.extraSpeed},
            {"sbSpeed", settings.sbSpeed},
            {"extraSbSpeed", settings.extraSbSpeed},
            {"jump", settings.jump},
            {"extraJump", settings.extraJump},
            {"safeMode", static_cast<qint64>(settings.safeMode)},
            {"holes", static_cast<qint64>(settings.holes)},
            {"grabSkateboards", static_cast<qint64>(settings.grabSkateboards)},
            {"beginArea", settings.beginArea},
            {"beginRound", settings.beginRound},
            {"beginFrom", settings.beginFrom},
            {"weapon", settings.weapon},
            {"dropsCount", settings.dropsCount},
            {"lives", settings.lives}};
}

} // namespace

QJsonObject ModelToJson(const GameTables& tables) {
    QJsonArray levelSets;
    for (const auto& [id, set] : tables.levelSets) levelSets.append(LevelSetJson(set));
    QJsonArray graphicSets;
    for (const auto& [id, set] : tables.graphicSets) graphicSets.append(GraphicSetJson(set));
    QJsonArray updaters;
    for (const auto& [id, updater] : tables.paletteUpdaters) updaters.append(PaletteUpdaterJson(id, updater));
    QJsonArray objectTypes;
    for (const ObjectType& type : tables.objectTypes) objectTypes.append(NumberArray(type.descriptor));
    const BonusArea& bonus = tables.bonusArea;
    return {{"levels", LevelsJson(tables.levels)},
            {"bonusLevels", LevelsJson(tables.bonusLevels)},
            {"levelSets", levelSets},
            {"graphicSets", graphicSets},
            {"paletteSets", NumberRows(tables.paletteSets)},
            {"paletteUpdaters", updaters},
            {"otherPalettes", NumberArray(tables.otherPalettes)},
            {"objectTypes", objectTypes},
            {"gameSettings", GameSettingsJson(tables.gameSettings)},
            {"bonusArea",
             QJsonObject{{"area", bonus.area}, {"beginFrom", bonus.beginFrom}, {"length", bonus.length}}}};
}

} // namespace tikaroo::cli
