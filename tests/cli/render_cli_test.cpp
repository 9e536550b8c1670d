#include "cli/cli_runner.h"

#include "game/game_rom.h"
#include "render/level_renderer.h"
#include "render/nes_colors.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QString>

#include <algorithm>
#include <filesystem>
#include <map>
#include <vector>

namespace tikaroo {
namespace {

using test::RunCli;

// The sample image, written once for all the tests here.
const std::string& SamplePath() {
    static test::TempDir dir;
    static const std::string path = [] {
        const std::string file = dir.Path("sample.nes");
        EXPECT_EQ(RunCli({"make-sample", file}).exitCode, 0);
        return file;
    }();
    return path;
}

QImage ReadPng(const std::string& path) {
    return QImage(QString::fromStdString(path));
}

// The pixels of every file in `folder`, by file name.
std::map<std::string, QImage> PicturesIn(const std::string& folder) {
    std::map<std::string, QImage> pictures;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        pictures[entry.path().filename().string()] =
            ReadPng(entry.path().string()).convertToFormat(QImage::Format_RGB32);
    return pictures;
}

TEST(CliRender, WritesTheCanvasOfALevelAsPng) {
    test::TempDir dir;
    const std::string out = dir.Path("level.png");
    const auto result = RunCli({"render", SamplePath(), "--level", "1-1", "-o", out});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QImage image = ReadPng(out);
    ASSERT_FALSE(image.isNull());
    // 64 rooms of 128 pixels; the canvas reaches at least 992 lines.
    EXPECT_EQ(image.width(), 64 * 128);
    EXPECT_GE(image.height(), 992);
    // The top rows are the background gradient's first colour.
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0x202020u);
}

TEST(CliRender, ALevelTallerThanTheCanvasIsDrawnCutWithAWarning) {
    test::TempDir dir;
    Bytes steep = test::TempDir::Read(SamplePath());
    // The background step table at $BE63 of the sample's first bank: a far steeper step than the game's.
    std::fill_n(steep.begin() + 16 + 0x3E63, 8, 0x7F);
    const std::string out = dir.Path("steep.png");
    const auto result = RunCli({"render", dir.Write("steep.nes", steep), "--level", "1-1", "-o", out});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "warning: " + out + ": " + kDrawnCutText + "\n");
    // Its size only: the picture is larger than QImage reads by default.
    EXPECT_EQ(QImageReader(QString::fromStdString(out)).size().height(), kMaxCanvasHeight);
}

TEST(CliRender, MapIsTheCleanLevelPictureAndBonusMapsOnlyItsRooms) {
    test::TempDir dir;
    ASSERT_EQ(RunCli({"render", SamplePath(), "--map", "--level", "2-4", "-o", dir.Path("map.png")}).exitCode,
              0);
    const QImage map = ReadPng(dir.Path("map.png"));
    EXPECT_EQ(map.height(), 352);
    EXPECT_EQ(map.width() % 128, 0);
    EXPECT_GT(map.width(), 0);
    ASSERT_EQ(RunCli({"render", SamplePath(), "--bonus", "1", "--map", "-o", dir.Path("bonus.png")}).exitCode,
              0);
    const QImage bonus = ReadPng(dir.Path("bonus.png"));
    EXPECT_EQ(bonus.height(), 352);
    EXPECT_LE(bonus.width(), 64 * 128);
}

TEST(CliRender, AllWritesEveryLevelAndBonusLevel) {
    test::TempDir dir;
    const std::string folder = dir.Path("maps");
    const auto result = RunCli({"render", SamplePath(), "--all", "--map", "-o", folder});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* name : {"level-1-1.png", "level-8-4.png", "bonus-1.png", "bonus-9.png"})
        EXPECT_TRUE(std::filesystem::exists(folder + "/" + name)) << name;
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()),
        32 + 9);
}

TEST(CliRender, AllMatchesTheLevelsOneByOneAtTheDefaultAndTheSmallestCompression) {
    test::TempDir dir;
    const std::string single = dir.Path("single");
    std::filesystem::create_directory(single);
    for (int area = 1; area <= 8; ++area) {
        for (int round = 1; round <= 4; ++round) {
            const std::string level = std::to_string(area) + "-" + std::to_string(round);
            ASSERT_EQ(
                RunCli({"render", SamplePath(), "--level", level, "-o", single + "/level-" + level + ".png"})
                    .exitCode,
                0);
        }
    }
    for (int bonus = 1; bonus <= 9; ++bonus) {
        const std::string number = std::to_string(bonus);
        ASSERT_EQ(
            RunCli({"render", SamplePath(), "--bonus", number, "-o", single + "/bonus-" + number + ".png"})
                .exitCode,
            0);
    }
    const std::map<std::string, QImage> oneByOne = PicturesIn(single);
    ASSERT_EQ(oneByOne.size(), 32u + 9u);

    for (const std::vector<std::string>& compression : {std::vector<std::string>{}, {"--compression", "9"}}) {
        SCOPED_TRACE(compression.empty() ? "default" : compression[1]);
        const std::string folder = dir.Path("all" + std::to_string(compression.size()));
        std::vector<std::string> args = {"render", SamplePath(), "--all", "-o", folder};
        args.insert(args.end(), compression.begin(), compression.end());
        const auto result = RunCli(args);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        // Off a terminal there is no progress line.
        EXPECT_EQ(result.err, "");
        EXPECT_TRUE(PicturesIn(folder) == oneByOne);
    }
}

TEST(CliRender, RefusesBadArgumentsAndBadFiles) {
    test::TempDir dir;
    const std::string out = dir.Path("x.png");
    EXPECT_EQ(RunCli({"render", SamplePath(), "-o", out}).exitCode, 2);
    EXPECT_EQ(RunCli({"render", SamplePath(), "--level", "1-1"}).exitCode, 2);
    EXPECT_EQ(RunCli({"render", SamplePath(), "--level", "1-1", "--all", "-o", out}).exitCode, 2);
    const auto badLevel = RunCli({"render", SamplePath(), "--level", "9-1", "-o", out});
    EXPECT_EQ(badLevel.exitCode, 2);
    EXPECT_NE(badLevel.err.find("area 1-8 and round 1-4"), std::string::npos);
    EXPECT_EQ(RunCli({"render", SamplePath(), "--bonus", "10", "-o", out}).exitCode, 2);
    EXPECT_EQ(RunCli({"render", SamplePath(), "--level", "1-1", "--compression", "10", "-o", out}).exitCode,
              2);

    const auto missing = RunCli({"render", dir.Path("none.nes"), "--level", "1-1", "-o", out});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(missing.err.empty());
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(RunCli({"render", dir.Path("none.nes"), "--all", "-o", dir.Path("maps")}).exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("maps")));
}

// A .pal file of the built-in colours inverted draws every pixel of the clean map inverted; the emphasis
// variants after the first 64 colours do not count; a file of another size is refused.
TEST(CliRender, PalFileColoursTheLevelAndAWrongSizeIsRefused) {
    test::TempDir dir;
    Bytes inverted;
    for (std::uint32_t colour : NesColorSet)
        for (int shift : {16, 8, 0}) inverted.push_back(static_cast<std::uint8_t>(~colour >> shift));
    Bytes withEmphasis = inverted;
    withEmphasis.resize(1536, 0x55);
    ASSERT_EQ(
        RunCli({"render", SamplePath(), "--map", "--level", "3-2", "-o", dir.Path("plain.png")}).exitCode, 0);
    const QImage plain = ReadPng(dir.Path("plain.png"));
    struct Case {
        const char* name;
        Bytes pal;
        bool accepted;
    };
    const Case cases[] = {{"192.pal", inverted, true},
                          {"1536.pal", withEmphasis, true},
                          {"191.pal", Bytes(inverted.begin(), inverted.end() - 1), false},
                          {"1537.pal", Bytes(1537, 0), false},
                          {"empty.pal", Bytes(), false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string out = dir.Path(std::string(c.name) + ".png");
        const auto result = RunCli({"render", SamplePath(), "--map", "--level", "3-2", "--pal",
                                    dir.Write(c.name, c.pal), "-o", out});
        EXPECT_EQ(result.exitCode, c.accepted ? 0 : 1);
        if (!c.accepted) {
            EXPECT_NE(result.err.find("A colour file holds 192 or 1536 bytes"), std::string::npos)
                << result.err;
            EXPECT_FALSE(std::filesystem::exists(out));
            continue;
        }
        const QImage coloured = ReadPng(out);
        ASSERT_EQ(coloured.size(), plain.size());
        // Black is also where no block is drawn, which no colour set changes.
        int changed = 0, samples = 0;
        for (int y = 0; y < plain.height(); y += 7)
            for (int x = 0; x < plain.width(); x += 5) {
                const QRgb before = plain.pixel(x, y) & 0xFFFFFF, after = coloured.pixel(x, y) & 0xFFFFFF;
                ASSERT_TRUE(after == (~before & 0xFFFFFF) || (before == 0 && after == 0)) << x << "," << y;
                changed += after != before;
                ++samples;
            }
        EXPECT_GT(changed, samples / 4);
    }
}

TEST(CliRender, ABonusAreaThatNamesNoLevelFailsBonusLevelsAndAllSkipsThem) {
    test::TempDir dir;
    CGameRom rom;
    rom.LoadRom(SamplePath());
    rom.bonusArea.area = 37; // slots go up to 32
    rom.SaveRom(dir.Path("bonus-37.nes"));
    const std::string missingLevel = "The bonus area names a level that does not exist";

    const auto bonus = RunCli({"render", dir.Path("bonus-37.nes"), "--bonus", "1", "-o", dir.Path("b.png")});
    EXPECT_EQ(bonus.exitCode, 1);
    EXPECT_NE(bonus.err.find(missingLevel), std::string::npos) << bonus.err;
    EXPECT_FALSE(std::filesystem::exists(dir.Path("b.png")));

    const std::string folder = dir.Path("maps");
    const auto all = RunCli({"render", dir.Path("bonus-37.nes"), "--all", "--map", "-o", folder});
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_NE(all.err.find(missingLevel), std::string::npos) << all.err;
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()),
        32);
}

} // namespace
} // namespace tikaroo
