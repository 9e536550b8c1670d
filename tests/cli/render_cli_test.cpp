// The verbs that draw pictures or read them: render, export-tiles and import-tiles.
#include "cli/cli_runner.h"

#include "dialogs/tile_sheet_file.h"
#include "game/game_rom.h"
#include "render/level_renderer.h"
#include "render/nes_colors.h"
#include "render/pal_file.h"
#include "render/tile_drawing.h"
#include "render/tile_sheet.h"
#include "support/temp_dir.h"
#include "support/tile_sheet_pictures.h"

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
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

// The pixels of every file in `folder`, by file name.
std::map<std::string, QImage> PicturesIn(const std::string& folder) {
    std::map<std::string, QImage> pictures;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        pictures[entry.path().filename().string()] = ReadPng(entry.path().string());
    return pictures;
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

// The pictures are drawn in parallel: a few of them, first and last of each kind among them, must be
// those drawn one by one.
TEST(CliRender, AllWritesEveryLevelAsItIsDrawnAlone) {
    test::TempDir dir;
    const std::string folder = dir.Path("all");
    const auto all = RunCli({"render", SamplePath(), "--all", "-o", folder});
    ASSERT_EQ(all.exitCode, 0) << all.err;
    EXPECT_EQ(all.err, ""); // off a terminal there is no progress line
    const std::map<std::string, QImage> pictures = PicturesIn(folder);
    EXPECT_EQ(pictures.size(), 32u + 9u);
    EXPECT_EQ(pictures.at("level-1-1.png").width(), 64 * 128); // a level's canvas: 64 rooms
    const std::pair<const char*, std::string> singles[] = {
        {"--level", "1-1"}, {"--level", "3-2"}, {"--level", "8-4"}, {"--bonus", "1"}, {"--bonus", "9"}};
    for (const auto& [option, name] : singles) {
        SCOPED_TRACE(name);
        const std::string file = (option == std::string("--level") ? "level-" : "bonus-") + name + ".png";
        ASSERT_EQ(RunCli({"render", SamplePath(), option, name, "-o", dir.Path(file)}).exitCode, 0);
        ASSERT_EQ(pictures.count(file), 1u);
        EXPECT_TRUE(pictures.at(file) == ReadPng(dir.Path(file)));
    }
}

// A bonus area naming slot 37 (slots go up to 32) fails the bonus levels and --all skips them.
TEST(CliRender, RefusesBadArgumentsAndBadFilesAndWritesNothing) {
    test::TempDir dir;
    const std::string out = dir.Path("x.png");
    const std::string missing = dir.Path("none.nes");
    const std::string sample = SamplePath();
    CGameRom rom;
    rom.LoadRom(sample);
    rom.bonusArea.area = 37;
    rom.SaveRom(dir.Path("bonus-37.nes"));
    const std::string missingLevel = "The bonus area names a level that does not exist";
    test::ExpectRefusals(
        {{{"render", sample, "-o", out}, 2, "usage: tikaroo-cli render"},
         {{"render", sample, "--frobnicate", "-o", out}, 2, "Unknown option 'frobnicate'"},
         {{"render", sample, "--level", "1-1", "--all", "-o", out}, 2, "usage: tikaroo-cli render"},
         {{"render", sample, "--level", "9-1", "-o", out}, 2, "area 1-8 and round 1-4"},
         {{"render", sample, "--bonus", "10", "-o", out}, 2, "not a number 1-9"},
         {{"render", sample, "--level", "1-1", "--compression", "10", "-o", out}, 2, "not a number 0-9"},
         {{"render", missing, "--level", "1-1", "-o", out}, 1, "CNROM file corrupt"},
         {{"render", missing, "--all", "-o", dir.Path("maps")}, 1, "CNROM file corrupt"},
         {{"render", dir.Path("bonus-37.nes"), "--bonus", "1", "-o", out}, 1, missingLevel}},
        {out, dir.Path("maps")});
    const auto all = RunCli({"render", dir.Path("bonus-37.nes"), "--all", "--map", "-o", dir.Path("all")});
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_NE(all.err.find(missingLevel), std::string::npos) << all.err;
    EXPECT_EQ(PicturesIn(dir.Path("all")).size(), 32u);
}

// A .pal file of the built-in colours inverted draws every pixel of the clean map inverted (black is
// also where no block is drawn, which no colour set changes); the emphasis variants after the first 64
// colours do not count; a file of another size is refused.
TEST(CliRender, PalFileColoursTheLevelAndAWrongSizeIsRefused) {
    test::TempDir dir;
    Bytes inverted;
    for (std::uint32_t colour : NesColorSet)
        for (int shift : {16, 8, 0}) inverted.push_back(static_cast<std::uint8_t>(~colour >> shift));
    Bytes withEmphasis = inverted;
    withEmphasis.resize(1536, 0x55);
    const auto map = [&dir](const std::string& name, std::vector<std::string> pal) {
        pal.insert(pal.begin(), {"render", SamplePath(), "--map", "--level", "3-2", "-o", dir.Path(name)});
        return pal;
    };
    ASSERT_EQ(RunCli(map("plain.png", {})).exitCode, 0);
    const QImage plain = ReadPng(dir.Path("plain.png"));
    EXPECT_EQ(plain.height(), 352); // a map is the rooms alone
    for (const auto& [name, pal] : {std::pair{"192.pal", inverted}, {"1536.pal", withEmphasis}}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(RunCli(map("coloured.png", {"--pal", dir.Write(name, pal)})).exitCode, 0);
        const QImage coloured = ReadPng(dir.Path("coloured.png"));
        ASSERT_EQ(coloured.size(), plain.size());
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
    test::ExpectRefusals(
        {{map("refused.png", {"--pal", dir.Write("191.pal", Bytes(191, 0))}), 1, kPalFileWrongSize},
         {map("refused.png", {"--pal", dir.Write("1537.pal", Bytes(1537, 0))}), 1, kPalFileWrongSize}},
        {dir.Path("refused.png")});
}

// import-tiles then export-tiles: each half's assignment names the sheet colour of tile values 0-3, the
// left half reversed, the right half as it is. Refused sheets and arguments write nothing.
TEST(CliTiles, ImportedTilesComeBackOutOfTheSavedImageAndRefusalsWriteNothing) {
    test::TempDir dir;
    const std::string sheet = dir.Path("sheet.png");
    PictureBuffer fiveColours = DrawTileSheet(test::PatternedTiles(), test::kAscendingGreys);
    ASSERT_TRUE(WritePngFile(fiveColours, QString::fromStdString(sheet)));
    const auto imported = RunCli({"import-tiles", SamplePath(), "--bank", "5", sheet, "--assign", "3210:0123",
                                  "-o", dir.Path("out.nes")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    // Bank 5 was empty: its new set has no level set and is not stored, its tiles are.
    EXPECT_NE(imported.err.find("warning: Graphic set #5: no level set uses it"), std::string::npos);
    const auto exported = RunCli({"export-tiles", dir.Path("out.nes"), "--bank", "5", "--palette-set", "4",
                                  "-o", dir.Path("back.png")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    std::vector<Tile> expected = test::PatternedTiles();
    for (std::size_t t = 0; t < expected.size(); ++t)
        for (std::uint8_t& pixel : expected[t])
            pixel = static_cast<std::uint8_t>(t < 256 ? 3 - pixel : pixel);
    CGameRom sample;
    sample.LoadRom(SamplePath());
    EXPECT_TRUE(test::SamePixels(LoadTileSheet(QString::fromStdString(dir.Path("back.png"))).picture,
                                 DrawTileSheet(expected, SubPaletteOf(sample.paletteSets[3], 0))));

    fiveColours.SetPixel(1, 1, 0x123456);
    ASSERT_TRUE(WritePngFile(fiveColours, QString::fromStdString(dir.Path("five.png"))));
    const std::string broken = dir.Write("broken.png", Bytes{0x89, 'P', 'N', 'G', 0, 0});
    const std::string rom = SamplePath();
    const std::string out = dir.Path("refused.nes");
    test::ExpectRefusals(
        {{{"import-tiles", rom, "--bank", "1", dir.Path("five.png"), "-o", out},
          1,
          "Image must be in size 256x128 and with 4 colors"},
         {{"import-tiles", rom, "--bank", "1", broken, "-o", out}, 1, "Invalid image file"},
         {{"import-tiles", rom, "--bank", "8", sheet, "-o", out}, 2, "--bank must be a number from 1 to 7"},
         {{"import-tiles", rom, "--bank", "1", sheet, "--assign", "0124:0123", "-o", out},
          2,
          "--assign takes LEFT:RIGHT"},
         {{"export-tiles", rom, "--bank", "1", "--palette-set", "17", "-o", dir.Path("x.png")},
          2,
          "--palette-set must be a number from 1 to 16"}},
        {out, dir.Path("x.png")});
}

} // namespace
} // namespace tikaroo
