#include "cli/cli_runner.h"

#include "dialogs/tile_sheet_file.h"
#include "game/game_rom.h"
#include "render/tile_drawing.h"
#include "render/tile_sheet.h"
#include "sample_game.h"
#include "support/temp_dir.h"
#include "support/tile_sheet_pictures.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

using test::PatternedTiles;
using test::RunCli;
using test::SamePixels;

class CliTiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WritePngFile(DrawTileSheet(PatternedTiles(), test::kAscendingGreys),
                                 QString::fromStdString(sheet)));
    }
    QString Path(const char* name) const { return QString::fromStdString(dir.Path(name)); }

    test::TempDir dir;
    const std::string rom = dir.Write("sample.nes", sample::MakeSampleGame().file);
    const std::string sheet = dir.Path("sheet.png");
};

// Each half's assignment names the sheet colour of tile values 0-3: the left half reversed, the right
// half as it is.
TEST_F(CliTiles, ImportedTilesComeBackOutOfTheSavedImage) {
    CGameRom sample;
    sample.LoadRom(rom);
    const auto imported = RunCli(
        {"import-tiles", rom, "--bank", "5", sheet, "--assign", "3210:0123", "-o", dir.Path("out.nes")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    // Bank 5 was empty: its new set has no level set and is not stored, its tiles are.
    EXPECT_NE(imported.err.find("warning: Graphic set #5: no level set uses it"), std::string::npos);
    const auto exported = RunCli({"export-tiles", dir.Path("out.nes"), "--bank", "5", "--palette-set", "4",
                                  "-o", dir.Path("back.png")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    std::vector<Tile> expected = PatternedTiles();
    for (std::size_t t = 0; t < expected.size(); ++t)
        for (std::uint8_t& pixel : expected[t])
            pixel = static_cast<std::uint8_t>(t < 256 ? 3 - pixel : pixel);
    EXPECT_TRUE(SamePixels(LoadTileSheet(Path("back.png")).picture,
                           DrawTileSheet(expected, SubPaletteOf(sample.paletteSets[3], 0))));
}

TEST_F(CliTiles, RefusedSheetsAndArgumentsWriteNothing) {
    PictureBuffer fiveColours = DrawTileSheet(PatternedTiles(), test::kAscendingGreys);
    fiveColours.SetPixel(1, 1, 0x123456);
    ASSERT_TRUE(WritePngFile(fiveColours, Path("five.png")) &&
                WritePngFile(PictureBuffer(256, 129), Path("taller.png")));
    const std::string broken = dir.Write("broken.png", Bytes{0x89, 'P', 'N', 'G', 0, 0});
    const std::string out = dir.Path("out.nes");
    test::ExpectRefusals(
        {{{"import-tiles", rom, "--bank", "1", dir.Path("five.png"), "-o", out},
          1,
          "Image must be in size 256x128 and with 4 colors"},
         {{"import-tiles", rom, "--bank", "1", dir.Path("taller.png"), "-o", out},
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
