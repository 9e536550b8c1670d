#include "cli/cli_runner.h"

#include "sample_game.h"
#include "support/ines_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tikaroo {
namespace {

using test::RunCli;

TEST(CliHelp, ListsTheCommandsAndEachCommandHasItsOwnHelp) {
    const auto result = RunCli({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("info FILE"), std::string::npos);
    EXPECT_NE(RunCli({"frobnicate"}).exitCode, 0);
    EXPECT_EQ(RunCli({"--version"}).out, "tikaroo-cli 1.1.1\n");

    for (const char* verb :
         {"info", "convert", "make-sample", "save", "dump", "render", "patch", "apply-patch", "apply-json"}) {
        SCOPED_TRACE(verb);
        const auto help = RunCli({verb, "--help"});
        EXPECT_EQ(help.exitCode, 0) << help.err;
        EXPECT_EQ(help.out.rfind(std::string("Usage: tikaroo-cli ") + verb + " [options]", 0), 0U)
            << help.out;
        const auto unknown = RunCli({verb, "--frobnicate"});
        EXPECT_EQ(unknown.exitCode, 2);
        EXPECT_NE(unknown.err.find("Unknown option 'frobnicate'"), std::string::npos) << unknown.err;
    }
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

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CliInfo, TellsTheLayoutAndWhatOpeningDoes) {
    test::TempDir dir;
    const auto original = RunCli({"info", dir.Write("original.nes", sample::MakeSampleGame().file)});
    EXPECT_EQ(original.exitCode, 0) << original.err;
    EXPECT_TRUE(Has(original.out, "layout: original\n")) << original.out;
    EXPECT_TRUE(Has(original.out, "opening: converts it to the expanded layout")) << original.out;

    const auto smallChr = RunCli({"info", dir.Write("small.nes", test::MakeOriginalFile(2, 2))});
    EXPECT_TRUE(Has(smallChr.out, "layout: original\n")) << smallChr.out;
    EXPECT_TRUE(Has(smallChr.out, "opening: refused: CHR data of an original image must be 32 KB"))
        << smallChr.out;

    const auto other = RunCli(
        {"info", dir.Write("mmc1.nes", test::MakeInesFile({.mapper = 1, .prgBanks = 8, .chrBanks = 16}))});
    EXPECT_TRUE(Has(other.out, "layout: unknown\n")) << other.out;
    EXPECT_TRUE(Has(other.out, "opening: refused: CNROM file corrupt")) << other.out;
}

TEST(CliConvert, ConvertedImageIsExpandedAndConvertsToItself) {
    test::TempDir dir;
    const Bytes sampleFile = sample::MakeSampleGame().file;
    const std::string original = dir.Write("original.nes", sampleFile);
    const auto first = RunCli({"convert", original, dir.Path("once.nes")});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const auto info = RunCli({"info", dir.Path("once.nes")});
    EXPECT_TRUE(Has(info.out, "mapper: 4\n")) << info.out;
    EXPECT_TRUE(Has(info.out, "layout: expanded\n")) << info.out;
    EXPECT_TRUE(Has(info.out, "opening: takes it as it is")) << info.out;

    ASSERT_EQ(RunCli({"convert", dir.Path("once.nes"), "-o", dir.Path("twice.nes")}).exitCode, 0);
    const Bytes once = test::TempDir::Read(dir.Path("once.nes"));
    EXPECT_EQ(once.size(), 16U + 8 * 16384 + 131072);
    EXPECT_EQ(test::TempDir::Read(dir.Path("twice.nes")), once);
    EXPECT_EQ(test::TempDir::Read(original), sampleFile); // the source file is left alone
}

TEST(CliConvert, RefusedInputWritesNothing) {
    test::TempDir dir;
    const auto result =
        RunCli({"convert", dir.Write("small.nes", test::MakeOriginalFile(2, 1)), dir.Path("out.nes")});
    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(Has(result.err, "CHR data of an original image must be 32 KB")) << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir.Path("out.nes")));
    EXPECT_NE(RunCli({"convert", dir.Path("small.nes")}).exitCode, 0);
}

TEST(CliMakeSample, WritesAnOriginalImageThatOpens) {
    test::TempDir dir;
    const auto made = RunCli({"make-sample", dir.Path("sample.nes")});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_EQ(test::TempDir::Read(dir.Path("sample.nes")).size(), 16U + 2 * 16384 + 32768);
    const auto info = RunCli({"info", dir.Path("sample.nes")});
    EXPECT_TRUE(Has(info.out, "layout: original\n")) << info.out;
    EXPECT_TRUE(Has(info.out, "opening: converts it to the expanded layout")) << info.out;
    EXPECT_NE(RunCli({"make-sample"}).exitCode, 0);
    EXPECT_NE(RunCli({"make-sample", dir.Path("no/such/folder/sample.nes")}).exitCode, 0);
}

TEST(CliSave, SavedImageIsExpandedAndSavesToItself) {
    test::TempDir dir;
    ASSERT_EQ(RunCli({"make-sample", dir.Path("sample.nes")}).exitCode, 0);
    const auto saved = RunCli({"save", dir.Path("sample.nes"), dir.Path("saved.nes")});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_NE(RunCli({"info", dir.Path("saved.nes")}).out.find("layout: expanded"), std::string::npos);
    ASSERT_EQ(RunCli({"save", "-o", dir.Path("again.nes"), dir.Path("saved.nes")}).exitCode, 0);
    EXPECT_EQ(test::TempDir::Read(dir.Path("again.nes")), test::TempDir::Read(dir.Path("saved.nes")));

    const auto refused = RunCli({"save", dir.Path("sample.nes"), dir.Path("no/folder/out.nes")});
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_NE(refused.err.find("Write error"), std::string::npos);
    EXPECT_NE(RunCli({"save", dir.Path("missing.nes"), dir.Path("out.nes")}).exitCode, 0);
}

} // namespace
} // namespace tikaroo
