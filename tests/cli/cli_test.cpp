// The verbs that read and write whole images: info, make-sample, convert, save and dump, and those that
// share a hack: patch, apply-patch and apply-json.
#include "cli/cli_runner.h"

#include "game/fixed_locations.h"
#include "game/game_rom.h"
#include "rom/patch_error.h"
#include "sample_game.h"
#include "support/expanded_image.h"
#include "support/ines_builder.h"
#include "support/minimal_game.h"
#include "support/temp_dir.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

using test::RunCli;
using test::TempDir;

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// info runs the whole open, tables included: an image whose tables fail is refused there as dump
// refuses it.
TEST(CliInfo, TellsTheInesFactsTheLayoutAndWhatOpeningDoes) {
    CGameImage badTables;
    test::MakeExpandedImage(badTables);
    test::WriteMinimalGame(badTables);
    test::PokeWord(badTables, 0, layout::kPaletteSetsPtr, 0x7000);
    TempDir dir;
    ASSERT_TRUE(badTables.WriteRomFile(dir.Path("tables.nes")));
    const struct {
        Bytes file;
        std::vector<std::string> lines;
    } cases[] = {
        {test::MakeInesFile(
             {.mapper = 3, .prgBanks = 2, .chrBanks = 4, .trainer = true, .verticalMirroring = true}),
         {"mapper: 3\n", "PRG banks: 2", "CHR size: 32768", "trainer: yes", "mirroring: vertical"}},
        {sample::MakeSampleGame().file,
         {"layout: original\n", "opening: converts it to the expanded layout"}},
        {test::MakeInesFile({.mapper = 1, .prgBanks = 8, .chrBanks = 16}),
         {"layout: unknown\n", "opening: refused: CNROM file corrupt"}},
        {TempDir::Read(dir.Path("tables.nes")), {"opening: refused: Invalid pointer operation"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines.front());
        const auto result = RunCli({"info", dir.Write("game.nes", c.file)});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        for (const std::string& line : c.lines) EXPECT_TRUE(Has(result.out, line)) << result.out;
    }
    Bytes broken = test::MakeInesFile({});
    broken.resize(1000);
    test::ExpectRefusals(
        {{{"info", dir.Write("broken.nes", broken)}, 1, "shorter than its header declares"},
         {{"dump", dir.Path("tables.nes"), "-o", dir.Path("dump.json")}, 1, "Invalid pointer operation"}},
        {dir.Path("dump.json")});
}

// make-sample writes the generator's image; convert and save turn it into the expanded layout, which
// each then writes again unchanged, and the source is left alone. Refusals say why and write nothing.
TEST(CliConvertAndSave, TheSampleBecomesAnExpandedImageThatWritesToItself) {
    TempDir dir;
    const std::string original = dir.Path("sample.nes");
    ASSERT_EQ(RunCli({"make-sample", original}).exitCode, 0);
    EXPECT_EQ(TempDir::Read(original), sample::MakeSampleGame().file);
    for (const char* verb : {"convert", "save"}) {
        SCOPED_TRACE(verb);
        const auto first = RunCli({verb, original, dir.Path("once.nes")});
        ASSERT_EQ(first.exitCode, 0) << first.err;
        const auto info = RunCli({"info", dir.Path("once.nes")}).out;
        EXPECT_TRUE(Has(info, "layout: expanded\nopening: takes it as it is")) << info;
        ASSERT_EQ(RunCli({verb, "-o", dir.Path("twice.nes"), dir.Path("once.nes")}).exitCode, 0);
        EXPECT_EQ(TempDir::Read(dir.Path("twice.nes")), TempDir::Read(dir.Path("once.nes")));
    }
    EXPECT_EQ(TempDir::Read(original), sample::MakeSampleGame().file);

    const std::string small = dir.Write("small.nes", test::MakeOriginalFile(2, 1));
    const std::string out = dir.Path("out.nes");
    test::ExpectRefusals({{{"convert", small, out}, 1, "CHR data of an original image must be 32 KB"},
                          {{"convert", small}, 2, "usage: tikaroo-cli convert"},
                          {{"make-sample"}, 2, "usage: tikaroo-cli make-sample"},
                          {{"make-sample", dir.Path("no/folder/sample.nes")}, 1, "cannot write"},
                          {{"save", original, dir.Path("no/folder/out.nes")}, 1, "Write error"},
                          {{"save", dir.Path("missing.nes"), out}, 1, "CNROM file corrupt"}},
                         {out});
}

// The dump of the sample, read back by name, holds what the sample's generator meant. Checked here are
// the fields of one range (a room's, the two speeds), whose swap neither the round trip through
// apply-json nor the paths in the JSON reader's refusals tell apart.
TEST(CliDump, TheSampleDumpsWhatItsGeneratorMeant) {
    const sample::SampleGame game = sample::MakeSampleGame();
    TempDir dir;
    const std::string path = dir.Write("sample.nes", game.file);
    const auto result = RunCli({"dump", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    ASSERT_EQ(RunCli({"dump", path, "-o", dir.Path("dump.json")}).exitCode, 0);
    EXPECT_EQ(TempDir::Read(dir.Path("dump.json")), Bytes(result.out.begin(), result.out.end()));
    const QJsonObject dump = QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).object();
    const std::vector<LevelRoom>& rooms = game.tables.levelSets.begin()->second.rooms;
    for (std::size_t i = 0; i < rooms.size(); ++i) {
        const LevelRoom& room = rooms[i];
        const QJsonObject expected{{"setRoom", room.setRoom},       {"scroll", room.scroll},
                                   {"background", room.background}, {"floorShift", room.floorShift},
                                   {"slideFloor", room.slideFloor}, {"fruitsHeight", room.fruitsHeight},
                                   {"floorGeom", room.floorGeom}};
        EXPECT_EQ(dump["levelSets"][0]["rooms"][static_cast<qsizetype>(i)].toObject(), expected)
            << "room " << i;
    }
    EXPECT_EQ(dump["gameSettings"]["speed"].toInt(), game.tables.gameSettings.speed);
    EXPECT_EQ(dump["gameSettings"]["extraSpeed"].toInt(), game.tables.gameSettings.extraSpeed);
}

// The sample game and its saved edit: the pair a shared hack is made of, as a patch or as a model.
class CliPatch : public ::testing::Test {
protected:
    void SetUp() override {
        original = dir.Write("original.nes", sample::MakeSampleGame().file);
        CGameRom rom;
        rom.LoadRom(original);
        rom.gameSettings.lives = 9;
        rom.levels[2].objectLists[0].front().x += 8;
        rom.SaveRom(edited);
    }

    TempDir dir;
    std::string original;
    const std::string edited = dir.Path("edited.nes");
};

TEST_F(CliPatch, EachFormatMadeFromTheExtensionAndTheDumpApplyBackToTheEditedImage) {
    for (const char* name : {"hack.ips", "hack.BPS"}) {
        SCOPED_TRACE(name);
        const auto made = RunCli({"patch", original, edited, "-o", dir.Path(name)});
        ASSERT_EQ(made.exitCode, 0) << made.err;
        const auto applied = RunCli({"apply-patch", original, dir.Path(name), dir.Path("patched.nes")});
        ASSERT_EQ(applied.exitCode, 0) << applied.err;
        EXPECT_EQ(TempDir::Read(dir.Path("patched.nes")), TempDir::Read(edited));
    }
    // The dump of the edit applied to the original saves the edited image too.
    ASSERT_EQ(RunCli({"dump", edited, "-o", dir.Path("model.json")}).exitCode, 0);
    const auto applied =
        RunCli({"apply-json", original, dir.Path("model.json"), "-o", dir.Path("applied.nes")});
    ASSERT_EQ(applied.exitCode, 0) << applied.err;
    EXPECT_EQ(TempDir::Read(dir.Path("applied.nes")), TempDir::Read(edited));
}

TEST_F(CliPatch, RefusalsSayWhyAndWriteNothing) {
    ASSERT_EQ(RunCli({"patch", original, edited, "-o", dir.Path("hack.bps")}).exitCode, 0);
    Bytes otherOriginal = TempDir::Read(original);
    otherOriginal[0x100] ^= 1;
    const std::string out = dir.Path("out.nes");
    const auto model = [this](const std::string& name, const std::string& text) {
        return dir.Write(name, Bytes(text.begin(), text.end()));
    };
    test::ExpectRefusals(
        {{{"apply-patch", dir.Write("other.nes", otherOriginal), dir.Path("hack.bps"), out},
          1,
          patch_errors::kOtherSource},
         {{"apply-patch", original, original, out}, 1, "neither an IPS nor a BPS patch"},
         {{"apply-patch", original, dir.Path("missing.ips"), out}, 1, "cannot be read"},
         {{"patch", original, edited, out}, 2, "must end in .ips or .bps"},
         {{"apply-json", original, model("levels.json", "{\"levels\": 5}"), out}, 1, "$.levels: "},
         {{"apply-json", original, model("cut.json", "{\"levels\": ["), out}, 1, "not JSON at byte"}},
        {out});
}

} // namespace
} // namespace tikaroo
