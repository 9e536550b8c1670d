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

namespace tikaroo {
namespace {

using test::RunCli;
using test::TempDir;

// The dump of the sample, read back by name, holds what the sample's generator meant. Checked here are
// the records with fields of one range, which neither the round trip through apply-json nor the paths
// in the JSON reader's refusals tell apart.
TEST(CliDump, TheSampleDumpsWhatItsGeneratorMeant) {
    const sample::SampleGame game = sample::MakeSampleGame();
    const GameTables& meant = game.tables;
    TempDir dir;
    const std::string path = dir.Write("sample.nes", game.file);
    const auto result = RunCli({"dump", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    ASSERT_EQ(RunCli({"dump", path, "-o", dir.Path("dump.json")}).exitCode, 0);
    EXPECT_EQ(TempDir::Read(dir.Path("dump.json")), Bytes(result.out.begin(), result.out.end()));
    const QJsonObject dump = QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).object();

    const auto at = [](std::size_t index) { return static_cast<qsizetype>(index); };
    const QJsonArray levelSets = dump["levelSets"].toArray();
    ASSERT_EQ(levelSets.size(), at(meant.levelSets.size()));
    auto meantSet = meant.levelSets.begin();
    for (const QJsonValue& set : levelSets) {
        const LevelSet& expected = (meantSet++)->second;
        SCOPED_TRACE("level set " + std::to_string(expected.id));
        EXPECT_EQ(set["attributes"].toInt(), expected.attributes);
        EXPECT_EQ(set["music"].toInt(), expected.music);
        for (std::size_t i = 0; i < expected.rooms.size(); ++i) {
            const LevelRoom& room = expected.rooms[i];
            EXPECT_EQ(set["rooms"][at(i)].toObject(), (QJsonObject{{"setRoom", room.setRoom},
                                                                   {"scroll", room.scroll},
                                                                   {"background", room.background},
                                                                   {"floorShift", room.floorShift},
                                                                   {"slideFloor", room.slideFloor},
                                                                   {"fruitsHeight", room.fruitsHeight},
                                                                   {"floorGeom", room.floorGeom}}));
        }
    }
    EXPECT_EQ(dump["gameSettings"]["speed"].toInt(), meant.gameSettings.speed);
    EXPECT_EQ(dump["gameSettings"]["extraSpeed"].toInt(), meant.gameSettings.extraSpeed);
}

TEST(CliDump, ALoadErrorGoesToStandardErrorWithANonZeroExit) {
    CGameImage image;
    test::MakeExpandedImage(image);
    test::WriteMinimalGame(image);
    test::PokeWord(image, 0, layout::kPaletteSetsPtr, 0x7000);
    TempDir dir;
    ASSERT_TRUE(image.WriteRomFile(dir.Path("game.nes")));
    test::ExpectRefusals(
        {{{"dump", dir.Path("game.nes"), "-o", dir.Path("dump.json")}, 1, "Invalid pointer operation"}},
        {dir.Path("dump.json")});
    // info runs the same open, tables included.
    const auto info = RunCli({"info", dir.Path("game.nes")});
    EXPECT_NE(info.out.find("opening: refused: Invalid pointer operation"), std::string::npos) << info.out;
}

} // namespace
} // namespace tikaroo
