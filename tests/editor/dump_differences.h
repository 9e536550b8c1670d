#pragma once

// Where two saved games differ, told by their dumps (the model JSON of tikaroo-cli dump).
#include "cli/json/model_json.h"
#include "game/game_rom.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <string>

namespace tikaroo::test {

// Every leaf where two JSON values differ, and every member or array element only one of them has.
inline void CollectDifferences(const QJsonValue& left, const QJsonValue& right, const QString& path,
                               QStringList& out) {
    if (left.isObject() && right.isObject()) {
        QStringList keys = left.toObject().keys() + right.toObject().keys();
        keys.removeDuplicates();
        for (const QString& key : keys) CollectDifferences(left[key], right[key], path + "." + key, out);
    } else if (left.isArray() && right.isArray()) {
        const qsizetype size = std::max(left.toArray().size(), right.toArray().size());
        for (qsizetype i = 0; i < size; ++i)
            CollectDifferences(left[i], right[i], QStringLiteral("%1[%2]").arg(path).arg(i), out);
    } else if (left != right) {
        out << path;
    }
}

// Where the dumps of two saved games differ, sorted.
inline QStringList Differences(const std::string& left, const std::string& right) {
    CGameRom roms[2];
    roms[0].LoadRom(left);
    roms[1].LoadRom(right);
    QStringList differences;
    CollectDifferences(cli::ModelToJson(roms[0]), cli::ModelToJson(roms[1]), "", differences);
    differences.sort();
    return differences;
}

} // namespace tikaroo::test
