#include "cli/cli_runner.h"

#include "support/ines_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

using test::RunCli;

TEST(CliHelp, ListsTheCommands) {
    const auto result = RunCli({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("info FILE"), std::string::npos);
    EXPECT_NE(RunCli({"frobnicate"}).exitCode, 0);
}

TEST(CliInfo, PrintsTheInesFacts) {
    test::TempDir dir;
    const std::string path = dir.Write(
        "game.nes",
        test::MakeInesFile(
            {.mapper = 3, .prgBanks = 2, .chrBanks = 4, .trainer = true, .verticalMirroring = true}));
    const auto result = RunCli({"info", path});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("mapper: 3"), std::string::npos);
    EXPECT_NE(result.out.find("PRG banks: 2"), std::string::npos);
    EXPECT_NE(result.out.find("CHR size: 32768"), std::string::npos);
    EXPECT_NE(result.out.find("trainer: yes"), std::string::npos);
    EXPECT_NE(result.out.find("mirroring: vertical"), std::string::npos);
}

TEST(CliInfo, RefusedFileGivesOneLineAndNonZeroExit) {
    test::TempDir dir;
    Bytes broken = test::MakeInesFile({});
    broken.resize(1000);
    const auto result = RunCli({"info", dir.Write("broken.nes", broken)});
    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("shorter than its header declares"), std::string::npos);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
}

} // namespace
} // namespace tikaroo
