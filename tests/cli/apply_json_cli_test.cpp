#include "cli/cli_runner.h"

#include "sample_game.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tikaroo {
namespace {

using test::RunCli;
using test::TempDir;

TEST(CliApplyJson, AnUnchangedDumpSavesTheBytesOfAPlainSave) {
    TempDir dir;
    const std::string game = dir.Write("game.nes", sample::MakeSampleGame().file);
    const auto dumped = RunCli({"dump", game, "-o", dir.Path("model.json")});
    ASSERT_EQ(dumped.exitCode, 0) << dumped.err;
    const auto applied = RunCli({"apply-json", game, dir.Path("model.json"), "-o", dir.Path("applied.nes")});
    ASSERT_EQ(applied.exitCode, 0) << applied.err;
    ASSERT_EQ(RunCli({"save", game, dir.Path("saved.nes")}).exitCode, 0);
    EXPECT_EQ(TempDir::Read(dir.Path("applied.nes")), TempDir::Read(dir.Path("saved.nes")));
}

TEST(CliApplyJson, ABadModelGetsOneLineAndNothingIsWritten) {
    TempDir dir;
    const std::string game = dir.Write("game.nes", sample::MakeSampleGame().file);
    const std::string dump = RunCli({"dump", game}).out;
    std::string tooFar = dump;
    const std::size_t x = tooFar.find("\"x\":"); // in the first object of the first bonus level
    tooFar.replace(x, tooFar.find_first_of(",}", x) - x, "\"x\":9000");
    const struct {
        std::string model;
        std::string line;
    } cases[] = {
        {tooFar, "$.bonusLevels[0].objectLists[0][0].x: 9000 is not below 8192\n"},
        {dump.substr(0, dump.size() / 2), "not JSON at byte"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto result =
            RunCli({"apply-json", game, dir.Write("model.json", Bytes(c.model.begin(), c.model.end())),
                    dir.Path("out.nes")});
        EXPECT_NE(result.exitCode, 0);
        EXPECT_NE(result.err.find(c.line), std::string::npos) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
        EXPECT_FALSE(std::filesystem::exists(dir.Path("out.nes")));
    }
}

} // namespace
} // namespace tikaroo
