#include "cli/json/json_at.h"
#include "cli/json/model_from_json.h"
#include "cli/json/model_json.h"

#include "game/game_rom.h"
#include "sample_game.h"
#include "support/random_model.h"
#include "support/temp_dir.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <variant>

namespace tikaroo {
namespace {

using namespace cli;

// The message a model file is refused with, or "accepted".
std::string Refusal(const QJsonValue& document, const GameTables& base) {
    try {
        ModelFromJson(document, base);
    } catch (const ModelJsonError& error) {
        return error.what();
    }
    return "accepted";
}

TEST(ModelJson, RandomModelsAppliedAsJsonSaveAsTheyDoThroughTheModel) {
    const test::TempDir dir;
    const std::string samplePath = dir.Write("sample.nes", sample::MakeSampleGame().file);
    for (unsigned seed = 0; seed < 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CGameRom edited;
        edited.LoadRom(samplePath);
        std::mt19937 random(seed);
        // Seed 0 keeps the model as loaded: dump and apply-json save what a plain save writes.
        if (seed > 0) test::RandomizeModel(edited, random);
        const QJsonObject json = ModelToJson(edited);
        edited.SaveRom(dir.Path("model.nes"));

        CGameRom applied;
        applied.LoadRom(samplePath);
        applied.ReplaceTables(ModelFromJson(json, applied));
        applied.SaveRom(dir.Path("json.nes"));
        EXPECT_EQ(test::TempDir::Read(dir.Path("json.nes")), test::TempDir::Read(dir.Path("model.nes")));
    }
}

using PathStep = std::variant<const char*, int>;
using JsonPath = std::vector<PathStep>;

// `document` with the value at `path` replaced (an index one past an array's end appends), or removed
// when `value` is empty.
QJsonValue Changed(const QJsonValue& document, std::span<const PathStep> path,
                   const std::optional<QJsonValue>& value) {
    if (path.empty()) return *value;
    const bool last = path.size() == 1 && !value;
    if (const auto* key = std::get_if<const char*>(&path[0])) {
        QJsonObject object = document.toObject();
        if (last)
            object.remove(*key);
        else
            object[*key] = Changed(object[*key], path.subspan(1), value);
        return object;
    }
    QJsonArray array = document.toArray();
    const int index = std::get<int>(path[0]);
    if (last)
        array.removeAt(index);
    else if (index == array.size())
        array.append(Changed(QJsonValue(), path.subspan(1), value));
    else
        array[index] = Changed(array[index], path.subspan(1), value);
    return array;
}

struct Change {
    JsonPath path;
    std::optional<QJsonValue> value;
};

TEST(ModelJson, EveryLimitRefusesWithThePathOfTheBadValue) {
    const test::TempDir dir;
    CGameRom rom;
    rom.LoadRom(dir.Write("sample.nes", sample::MakeSampleGame().file));
    const QJsonObject dump = ModelToJson(rom);
    const int storedType = rom.objectTypes[5].descriptor[2];
    const QJsonObject object{{"id", 1}, {"x", 0}, {"param1", 0}, {"param2", 0}};
    QJsonArray tooManyObjects;
    for (int i = 0; i < 1025; ++i) tooManyObjects.append(object);

    const struct {
        Change change;
        std::string refusal;
    } cases[] = {
        {{{"levels", 3, "objectLists", 1, 0, "x"}, 9000},
         "$.levels[3].objectLists[1][0].x: 9000 is not below 8192"},
        {{{"levels", 3, "objectLists", 1, 0, "x"}, 100},
         "$.levels[3].objectLists[1][0].x: 100 is not a multiple of 8"},
        {{{"levels", 3, "objectLists", 1, 0, "param1"}, 5},
         "$.levels[3].objectLists[1][0].param1: 5 is not 0: objects below 56 have no param1"},
        {{{"levels", 0, "objectLists", 0}, tooManyObjects},
         "$.levels[0].objectLists[0]: has 1025 entries, at most 1024"},
        {{{"levels", 0, "eggValues"}, "7"}, "$.levels[0].eggValues: \"7\" is not a number"},
        {{{"levels", 0, "paletteSet"}, 1.5}, "$.levels[0].paletteSet: 1.5 is not a whole number"},
        {{{"levels", 0, "eggValues"}, std::nullopt}, "$.levels[0].eggValues: missing"},
        {{{"levels", 0, "eggValue"}, 1}, "$.levels[0].eggValue: not a field of this record"},
        {{{"levels", 32}, std::nullopt}, "$.levels: has 32 entries, not 33"},
        {{{"levels", 0, "levelSet"}, 200}, "$.levels[0].levelSet: 200 names no level set of $.levelSets"},
        {{{"levels", 0, "paletteUpdater"}, 9},
         "$.levels[0].paletteUpdater: 9 names no palette updater of $.paletteUpdaters (15 is none)"},
        {{{"levels", 32, "paletteSet"}, 2}, "$.levels[32].paletteSet: 2 is not 0"},
        {{{"levels", 32, "objectLists", 0, 0}, object}, "$.levels[32].objectLists[0]: has 1 entry, not 0"},
        {{{"bonusLevels", 4, "levelSet"}, 3},
         "$.bonusLevels[4].levelSet: 3 is not 11, as $.levels[32].levelSet: bonus levels play slot 32's"},
        {{{"levelSets", 1, "id"}, 0}, "$.levelSets[1].id: 0 does not follow 0: ids ascend"},
        {{{"levelSets", 0, "attributes"}, 7},
         "$.levelSets[0].attributes: 7 names bridges tileset 7, not below 7"},
        {{{"levelSets", 0, "attributes"}, 0x70},
         "$.levelSets[0].attributes: 112 names graphic set 7, not one of $.graphicSets"},
        {{{"levelSets", 0, "rooms", 63}, std::nullopt},
         "$.levelSets[0].rooms: has 63 entries, not 64 (or 4 for a set only slot 32 plays)"},
        {{{"levels", 0, "levelSet"}, 11}, "$.levelSets[11].rooms: has 4 entries, not 64"},
        {{{"levelSets", 0, "rooms", 5, "setRoom"}, 20},
         "$.levelSets[0].rooms[5].setRoom: 20 is not below 14, the rooms of graphic set 0"},
        {{{"graphicSets", 2, "id"}, 5}, "$.graphicSets[2].id: 5 is not 2"},
        {{{"graphicSets", 0, "rooms", 0, 1}, 20},
         "$.graphicSets[0].rooms[0][1]: 20 is not below 15, the count of lineGeom"},
        {{{"graphicSets", 0, "lineGeom", 0}, 0x0A00},
         "$.graphicSets[0].lineGeom[0]: 2560 names bottomLines entry 10 (high byte), not below 10"},
        {{{"graphicSets", 0, "topLines", 0, 0}, 19},
         "$.graphicSets[0].topLines[0][0]: 19 is not below 19, the count of blocks"},
        {{{"graphicSets", 0, "attributes", 0}, std::nullopt},
         "$.graphicSets[0].attributes: has 18 entries, not 19"},
        {{{"graphicSets", 0, "attributes", 0, 0}, 4}, "$.graphicSets[0].attributes[0][0]: 4 is not below 4"},
        {{{"levelSets", 1, "attributes"}, 0x30},
         "$.levelSets[1].rooms[0].setRoom: 0 is not below 0, the rooms of graphic set 3"},
        {{{"paletteSets", 0, 0}, 14}, "$.paletteSets[0][0]: 14 is not 15"},
        {{{"paletteSets", 0, 1}, 64}, "$.paletteSets[0][1]: 64 is not below 64"},
        {{{"paletteUpdaters", 0, "modifiers", 1, "key"}, 16},
         "$.paletteUpdaters[0].modifiers[1].key: 16 is the key of an earlier modifier"},
        {{{"objectTypes", 5, 2}, (storedType + 1) % 256},
         "$.objectTypes[5][2]: differs from the ROM's " + std::to_string(storedType) +
             ": object types are not edited"},
        {{{"bonusArea", "length"}, 49}, "$.bonusArea.length: 49 is not below 49"}, // starts in room 16
        {{{"gameSettings", "lives"}, 0}, "$.gameSettings.lives: 0 is not at least 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refusal);
        EXPECT_EQ(Refusal(Changed(dump, c.change.path, c.change.value), rom), c.refusal);
    }
    EXPECT_EQ(Refusal(QJsonArray{}, rom), "$: an array is not an object");
}

} // namespace
} // namespace tikaroo
