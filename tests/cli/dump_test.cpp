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

using test::RunCli;
using test::TempDir;

template <typename Numbers>
QJsonArray Json(const Numbers& numbers) {
    QJsonArray array;
    for (const auto number : numbers) array.append(static_cast<qint64>(number));
    return array;
}

// The dump of the sample, read back by name, holds what the sample's generator meant. The records whose
// names the round trip through apply-json would not tell apart are checked field by field.
TEST(CliDump, TheSampleDumpsWhatItsGeneratorMeant) {
    const sample::SampleGame game = sample::MakeSampleGame();
    const GameTables& meant = game.tables;
    TempDir dir;
    const std::string path = dir.Write("sample.nes", game.file);
    const auto result = RunCli({"dump", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.err.empty());
    ASSERT_EQ(RunCli({"dump", path, "-o", dir.Path("dump.json")}).exitCode, 0);
    EXPECT_EQ(TempDir::Read(dir.Path("dump.json")), Bytes(result.out.begin(), result.out.end()));
    QJsonParseError error{};
    const QJsonObject dump = QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();

    const QJsonArray levels = dump["levels"].toArray();
    ASSERT_EQ(levels.size(), static_cast<qsizetype>(meant.levels.size()));
    for (qsizetype slot = 0; slot < levels.size(); ++slot) {
        SCOPED_TRACE("level " + std::to_string(slot));
        const Level& level = meant.levels[static_cast<std::size_t>(slot)];
        EXPECT_EQ(levels[slot]["levelSet"].toInt(), level.levelSet);
        EXPECT_EQ(levels[slot]["eggValues"].toInt(), level.eggValues);
        EXPECT_EQ(levels[slot]["paletteSet"].toInt(), level.paletteSet);
        EXPECT_EQ(levels[slot]["paletteUpdater"].toInt(), level.paletteUpdater);
        QJsonArray lists;
        for (const ObjectsList& list : level.objectLists) {
            QJsonArray entries;
            for (const ObjectEntry& e : list)
                entries.append(QJsonObject{{"id", e.id},
                                           {"x", static_cast<qint64>(e.x)},
                                           {"param1", e.param1},
                                           {"param2", e.param2}});
            lists.append(entries);
        }
        EXPECT_EQ(levels[slot]["objectLists"].toArray(), lists);
    }

    const QJsonArray levelSets = dump["levelSets"].toArray();
    ASSERT_EQ(levelSets.size(), static_cast<qsizetype>(meant.levelSets.size()));
    auto meantSet = meant.levelSets.begin();
    for (const QJsonValue& set : levelSets) {
        const LevelSet& expected = (meantSet++)->second;
        SCOPED_TRACE("level set " + std::to_string(expected.id));
        EXPECT_EQ(set["id"].toInt(), expected.id);
        EXPECT_EQ(set["attributes"].toInt(), expected.attributes);
        EXPECT_EQ(set["music"].toInt(), expected.music);
        EXPECT_EQ(set["tops"].toArray(), Json(expected.tops));
        const QJsonArray rooms = set["rooms"].toArray();
        ASSERT_EQ(rooms.size(), static_cast<qsizetype>(expected.rooms.size()));
        for (qsizetype i = 0; i < rooms.size(); ++i) {
            const LevelRoom& room = expected.rooms[static_cast<std::size_t>(i)];
            EXPECT_EQ(rooms[i].toObject(), (QJsonObject{{"setRoom", room.setRoom},
                                                        {"scroll", room.scroll},
                                                        {"background", room.background},
                                                        {"floorShift", room.floorShift},
                                                        {"slideFloor", room.slideFloor},
                                                        {"fruitsHeight", room.fruitsHeight},
                                                        {"floorGeom", room.floorGeom}}));
        }
    }

    EXPECT_EQ(dump["otherPalettes"].toArray(), Json(meant.otherPalettes));
    EXPECT_EQ(dump["gameSettings"]["lives"].toInt(), meant.gameSettings.lives);
    EXPECT_EQ(dump["gameSettings"]["speed"].toInt(), meant.gameSettings.speed);
    EXPECT_EQ(dump["bonusArea"].toObject(), (QJsonObject{{"area", meant.bonusArea.area},
                                                         {"beginFrom", meant.bonusArea.beginFrom},
                                                         {"length", meant.bonusArea.length}}));
}

TEST(CliDump, ALoadErrorGoesToStandardErrorWithANonZeroExit) {
    CGameImage image;
    test::MakeExpandedImage(image);
    test::WriteMinimalGame(image);
    test::PokeWord(image, 0, layout::kPaletteSetsPtr, 0x7000);
    TempDir dir;
    ASSERT_TRUE(image.WriteRomFile(dir.Path("game.nes")));
    const auto broken = RunCli({"dump", dir.Path("game.nes"), "-o", dir.Path("dump.json")});
    EXPECT_NE(broken.exitCode, 0);
    EXPECT_TRUE(broken.out.empty());
    EXPECT_NE(broken.err.find("Invalid pointer operation"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("dump.json")));
    // info runs the same open, tables included.
    const auto info = RunCli({"info", dir.Path("game.nes")});
    EXPECT_NE(info.out.find("opening: refused: Invalid pointer operation"), std::string::npos) << info.out;
    EXPECT_NE(RunCli({"dump", dir.Path("missing.nes")}).err.find("CNROM file corrupt"), std::string::npos);
}

} // namespace
} // namespace tikaroo
