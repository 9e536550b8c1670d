// The canvas pictures of the sample game's level 1-1 and bonus level 1, compared by hash with the
// hashes stored in golden/. After a deliberate change of the drawing, look at the new pictures
// (tikaroo-cli render) and store their hashes by running this test with TIKAROO_UPDATE_GOLDEN=1.
#include "game/game_rom.h"
#include "game/level_selection.h"
#include "object_pictures/embedded_object_pictures.h"
#include "render/level_renderer.h"
#include "render/marker_sheets.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <sstream>

namespace tikaroo {
namespace {

// FNV-1a over the size and the colour of every pixel.
std::string PictureHash(const PictureBuffer& picture) {
    std::uint64_t hash = 0xCBF29CE484222325ull;
    const auto add = [&hash](std::uint32_t word) {
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (word >> shift) & 0xFF;
            hash *= 0x100000001B3ull;
        }
    };
    add(static_cast<std::uint32_t>(picture.Width()));
    add(static_cast<std::uint32_t>(picture.Height()));
    for (std::int32_t y = 0; y < picture.Height(); ++y)
        for (std::uint32_t pixel : picture.Row(y)) add(pixel & 0xFFFFFF);
    std::ostringstream text;
    text << std::hex << std::setw(16) << std::setfill('0') << hash;
    return text.str();
}

void ExpectGolden(const PictureBuffer& picture, const std::string& name) {
    const std::string path = std::string(TIKAROO_GOLDEN_DIR) + "/" + name + ".hash";
    const std::string hash = PictureHash(picture);
    if (std::getenv("TIKAROO_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path) << hash << "\n";
        return;
    }
    std::string stored;
    std::ifstream(path) >> stored;
    EXPECT_EQ(hash, stored) << name << ": the picture changed; look at it and update " << path;
}

struct SampleRendering : ::testing::Test {
    test::TempDir dir;
    CGameRom rom;
    MarkerSheetSet sheets = BuildMarkerSheets(EmbeddedObjectPictures());
    CLevelRenderer renderer;

    SampleRendering() {
        rom.LoadRom(dir.Write("sample.nes", sample::MakeSampleGame().file));
        renderer.SetMarkerSheets(&sheets.markerSheet, &sheets.selectedMarkerSheet);
    }
};

TEST_F(SampleRendering, Level1Of1MatchesItsGoldenPicture) {
    SelectLevel(rom, {false, 0});
    renderer.SelectLevel(rom, rom);
    ASSERT_EQ(renderer.Canvas().Width(),
              static_cast<std::int32_t>(rom.levelSets.at(rom.levels[0].levelSet).rooms.size()) * 128);
    ExpectGolden(renderer.Canvas(), "level-1-1");
}

TEST_F(SampleRendering, Bonus1MatchesItsGoldenPicture) {
    SelectLevel(rom, {true, 0});
    renderer.SelectLevel(rom, rom);
    ASSERT_EQ(renderer.Canvas().Width(), rom.bonusArea.length * 128);
    ExpectGolden(renderer.Canvas(), "bonus-1");
}

} // namespace
} // namespace tikaroo
