#include "cli/cli_runner.h"

#include "game/game_rom.h"
#include "rom/patch_error.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

using test::RunCli;
using test::TempDir;

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

// A refused file gets one line; a usage error the usage too.
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
