#include "model_json.h"

#include "model_fields.h"

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

template <typename Record, std::size_t N>
QJsonObject FieldsJson(const Record& record, const std::array<NumberField<Record>, N>& fields) {
    QJsonObject object;
    for (const NumberField<Record>& field : fields)
        object[field.name] = static_cast<qint64>(field.get(record));
    return object;
}

QJsonObject LevelJson(const Level& level) {
    QJsonArray lists;
    for (const ObjectsList& list : level.objectLists) {
        QJsonArray entries;
        for (const ObjectEntry& entry : list) entries.append(FieldsJson(entry, kObjectEntryFields));
        lists.append(entries);
    }
    QJsonObject json = FieldsJson(level, kLevelFields);
    json["objectLists"] = lists;
    return json;
}

QJsonArray LevelsJson(const std::vector<Level>& levels) {
    QJsonArray array;
    for (const Level& level : levels) array.append(LevelJson(level));
    return array;
}

QJsonObject LevelSetJson(const LevelSet& set) {
    QJsonArray rooms;
    for (const LevelRoom& room : set.rooms) rooms.append(FieldsJson(room, kLevelRoomFields));
    QJsonObject json = FieldsJson(set, kLevelSetFields);
    json["lastSetRoom"] = set.lastSetRoom;
    json["tops"] = NumberArray(set.tops);
    json["rooms"] = rooms;
    return json;
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
    return {{"levels", LevelsJson(tables.levels)},
            {"bonusLevels", LevelsJson(tables.bonusLevels)},
            {"levelSets", levelSets},
            {"graphicSets", graphicSets},
            {"paletteSets", NumberRows(tables.paletteSets)},
            {"paletteUpdaters", updaters},
            {"otherPalettes", NumberArray(tables.otherPalettes)},
            {"objectTypes", objectTypes},
            {"gameSettings", FieldsJson(tables.gameSettings, kGameSettingsFields)},
            {"bonusArea", FieldsJson(tables.bonusArea, kBonusAreaFields)}};
}

} // namespace tikaroo::cli
