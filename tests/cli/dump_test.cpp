#include "cli/cli_runner.h"

#include "game/fixed_locations.h"
#include "sample_game.h"
#include "support/expanded_image.h"
#include "support/minimal_game.h"
#include "support/temp_dir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <filesystem>

namespace tikaroo {
namespace {

using test::Poke;
using test::RunCli;
namespace minimal = test::minimal;

QJsonObject ParseDump(const test::CliResult& result) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_TRUE(document.isObject());
    return document.object();
}

// The minimal game with one of everything worth seeing in the dump.
class CliDump : public ::testing::Test {
protected:
    void SetUp() override {
        test::MakeExpandedImage(image);
        test::WriteMinimalGame(image);
        Poke(image, 0, minimal::kLevelSetIds + 1, {2});
        Poke(image, 0, minimal::kAttributes + 2, {0x30});
        Poke(image, layout::kLevelSetRoomsBank, test::MinimalLevelSetRooms(2) + 3, {0x04, 0x00, 0x9F});
        // The zero tables of the graphic sets get a second room {0, 0, 0, 1} and a second block.
        Poke(image, 0, minimal::kGraphicSetTables + 5, {1});
        Poke(image, 0, minimal::kLevelPalettes + 1, {0x70});
        Poke(image, 0, minimal::kUpdaters, {0x05, 0x01, 1, 2, 3, 4, 0xFF});
        Poke(image, 0, layout::kSafeMode, {0x80});
        Poke(image, 0, layout::kHoles, {layout::kHolesOn});
        // Start 1 (x 8), id 62 with parameters 0x05 and 0x5A, then a long position of 0.
        Poke(image, 2, 0x9600, {0x00, 0x7E, 0x05, 0x5A, 0x80, 0x00});
        test::PokeWord(image, 0, minimal::kBonusObjects + 6 * 8 + 4, 0x9600);
    }

    std::string WriteImage() { return image.WriteRomFile(dir.Path("game.nes")) ? dir.Path("game.nes") : ""; }

    CGameImage image;
    test::TempDir dir;
};

TEST_F(CliDump, PrintsTheDecodedModelAsOneJsonObject) {
    const std::string path = WriteImage();
    const auto result = RunCli({"dump", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.err.empty());
    ASSERT_EQ(RunCli({"dump", path, "-o", dir.Path("dump.json")}).exitCode, 0);
    const Bytes written = test::TempDir::Read(dir.Path("dump.json"));
    EXPECT_EQ(std::string(written.begin(), written.end()), result.out);
    const QJsonObject dump = ParseDump(result);

    const QJsonArray levels = dump["levels"].toArray();
    ASSERT_EQ(levels.size(), 33);
    EXPECT_EQ(levels[1]["levelSet"].toInt(), 2);
    EXPECT_EQ(levels[1]["paletteSet"].toInt(), 7);
    EXPECT_EQ(levels[1]["paletteUpdater"].toInt(), 0);
    EXPECT_EQ(levels[32]["objectLists"].toArray().size(), 3);

    const QJsonArray bonus = dump["bonusLevels"].toArray();
    ASSERT_EQ(bonus.size(), 9);
    const QJsonArray list = bonus[8]["objectLists"][2].toArray();
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].toObject(), (QJsonObject{{"id", 62}, {"x", 8}, {"param1", 0x05}, {"param2", 0x5A}}));

    const QJsonArray levelSets = dump["levelSets"].toArray();
    ASSERT_EQ(levelSets.size(), 2);
    EXPECT_EQ(levelSets[0]["id"].toInt(), 0);
    const QJsonObject set = levelSets[1].toObject();
    EXPECT_EQ(set["id"].toInt(), 2);
    EXPECT_EQ(set["attributes"].toInt(), 0x30);
    EXPECT_EQ(set["lastSetRoom"].toInt(), 1);
    EXPECT_EQ(set["tops"].toArray().size(), 4);
    EXPECT_EQ(set["rooms"].toArray().size(), 64);
    EXPECT_EQ(set["rooms"][1].toObject(), (QJsonObject{{"setRoom", 1},
                                                       {"scroll", 0},
                                                       {"background", 0},
                                                       {"floorShift", 0},
                                                       {"slideFloor", 0},
                                                       {"fruitsHeight", 9},
                                                       {"floorGeom", 15}}));

    const QJsonArray graphicSets = dump["graphicSets"].toArray();
    ASSERT_EQ(graphicSets.size(), 7);
    for (int id = 0; id < 7; ++id) EXPECT_EQ(graphicSets[id]["id"].toInt(), id);
    EXPECT_TRUE(graphicSets[0]["used"].toBool());
    EXPECT_FALSE(graphicSets[1]["used"].toBool());
    EXPECT_TRUE(graphicSets[1]["blocks"].toArray().isEmpty());
    const QJsonObject used = graphicSets[3].toObject();
    EXPECT_TRUE(used["used"].toBool());
    EXPECT_EQ(used["lastRoom"].toInt(), 1);
    EXPECT_EQ(used["rooms"].toArray().size(), 2);
    EXPECT_EQ(used["rooms"][1].toArray(), (QJsonArray{0, 0, 0, 1}));
    EXPECT_EQ(used["topLines"][0].toArray(), (QJsonArray{0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(used["bottomLines"][0].toArray().size(), 5);
    EXPECT_EQ(used["blocks"].toArray().size(), 2);
    EXPECT_EQ(used["blocks"][1].toArray().size(), 16);
    EXPECT_EQ(used["attributes"][0].toArray(), (QJsonArray{0, 0, 0, 0}));

    const QJsonArray updaters = dump["paletteUpdaters"].toArray();
    ASSERT_EQ(updaters.size(), 1);
    EXPECT_EQ(updaters[0].toObject(),
              (QJsonObject{
                  {"id", 0},
                  {"modifiers",
                   QJsonArray{QJsonObject{{"key", 5}, {"entries", QJsonArray{QJsonArray{1, 2, 3, 4}}}}}}}));
    EXPECT_EQ(dump["paletteSets"].toArray().size(), 16);
    EXPECT_EQ(dump["paletteSets"][0].toArray().size(), 16);
    EXPECT_EQ(dump["otherPalettes"].toArray().size(), 48);
    EXPECT_EQ(dump["objectTypes"].toArray().size(), 72);
    EXPECT_EQ(dump["objectTypes"][0].toArray().size(), 6);

    const QJsonObject settings = dump["gameSettings"].toObject();
    EXPECT_EQ(settings.size(), 15);
    EXPECT_EQ(settings["safeMode"].toInt(-1), 1);
    EXPECT_EQ(settings["holes"].toInt(-1), 1);
    EXPECT_EQ(settings["grabSkateboards"].toInt(-1), 0);
    EXPECT_EQ(dump["bonusArea"].toObject().keys(), (QStringList{"area", "beginFrom", "length"}));
}

TEST_F(CliDump, ALoadErrorGoesToStandardErrorWithANonZeroExit) {
    test::PokeWord(image, 0, layout::kPaletteSetsPtr, 0x7000);
    const std::string path = WriteImage();
    const auto broken = RunCli({"dump", path, "-o", dir.Path("dump.json")});
    EXPECT_NE(broken.exitCode, 0);
    EXPECT_TRUE(broken.out.empty());
    EXPECT_NE(broken.err.find("Invalid pointer operation"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("dump.json")));
    // info runs the same open, tables included.
    const auto info = RunCli({"info", path});
    EXPECT_NE(info.out.find("opening: refused: Invalid pointer operation"), std::string::npos) << info.out;

    const auto missing = RunCli({"dump", dir.Path("missing.nes")});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.err.find("CNROM file corrupt"), std::string::npos);
}

TEST(CliDumpSample, TheSampleDumpsWhatItsGeneratorMeant) {
    const sample::SampleGame game = sample::MakeSampleGame();
    const GameTables& meant = game.tables;
    test::TempDir dir;
    const auto result = RunCli({"dump", dir.Write("sample.nes", game.file)});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QJsonObject dump = ParseDump(result);

    const QJsonArray levelSets = dump["levelSets"].toArray();
    ASSERT_EQ(levelSets.size(), static_cast<qsizetype>(meant.levelSets.size()));
    auto meantSet = meant.levelSets.begin();
    for (const QJsonValue& set : levelSets) {
        EXPECT_EQ(set["id"].toInt(), meantSet->first);
        const QJsonArray rooms = set["rooms"].toArray();
        ASSERT_EQ(rooms.size(), static_cast<qsizetype>(meantSet->second.rooms.size()));
        for (qsizetype i = 0; i < rooms.size(); ++i)
            EXPECT_EQ(rooms[i]["fruitsHeight"].toInt(),
                      meantSet->second.rooms[static_cast<std::size_t>(i)].fruitsHeight);
        ++meantSet;
    }

    const QJsonArray levels = dump["levels"].toArray();
    ASSERT_EQ(levels.size(), 33);
    for (std::size_t slot = 0; slot < kPlayableLevelCount; ++slot) {
        const auto at = static_cast<qsizetype>(slot);
        EXPECT_EQ(levels[at]["levelSet"].toInt(), meant.levels[slot].levelSet);
        for (std::size_t list = 0; list < kObjectsListCount; ++list) {
            const QJsonArray entries = levels[at]["objectLists"][static_cast<qsizetype>(list)].toArray();
            const ObjectsList& meantList = meant.levels[slot].objectLists[list];
            ASSERT_EQ(entries.size(), static_cast<qsizetype>(meantList.size()));
            for (qsizetype i = 0; i < entries.size(); ++i) {
                const ObjectEntry& entry = meantList[static_cast<std::size_t>(i)];
                EXPECT_EQ(entries[i].toObject(), (QJsonObject{{"id", entry.id},
                                                              {"x", static_cast<qint64>(entry.x)},
                                                              {"param1", entry.param1},
                                                              {"param2", entry.param2}}));
            }
        }
    }

    const QJsonArray graphicSets = dump["graphicSets"].toArray();
    ASSERT_EQ(graphicSets.size(), 7);
    for (const QJsonValue& set : graphicSets) {
        const GraphicSet& meantGraphics = meant.graphicSets.at(static_cast<std::uint8_t>(set["id"].toInt()));
        EXPECT_EQ(set["used"].toBool(), meantGraphics.used != 0);
        EXPECT_EQ(set["blocks"].toArray().size(), static_cast<qsizetype>(meantGraphics.blocks.size()));
        const QJsonArray attributes = set["attributes"].toArray();
        for (qsizetype i = 0; i < attributes.size(); ++i) {
            const BlockAttributes& meantAttributes = meantGraphics.attributes[static_cast<std::size_t>(i)];
            EXPECT_EQ(attributes[i].toArray(), (QJsonArray{meantAttributes[0], meantAttributes[1],
                                                           meantAttributes[2], meantAttributes[3]}));
        }
    }
    EXPECT_EQ(dump["gameSettings"]["lives"].toInt(), meant.gameSettings.lives);
    EXPECT_EQ(dump["bonusArea"]["length"].toInt(), meant.bonusArea.length);
}

} // namespace
} // namespace tikaroo
