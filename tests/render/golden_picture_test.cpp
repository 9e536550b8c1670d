// The pictures the program draws of the sample game (canvases of levels and bonus levels, the dialogs'
// pictures of its graphic sets and palettes, the marker sheets), compared by hash with the hashes stored
// in golden/. After a deliberate change of the drawing, look at the new pictures (tikaroo-cli render,
// or the dialogs) and store their hashes by running this test with TIKAROO_UPDATE_GOLDEN=1.
#include "game/game_rom.h"
#include "game/level_selection.h"
#include "game/opened_sample.h"
#include "object_pictures/embedded_object_pictures.h"
#include "render/dialog_strips.h"
#include "render/graphics_dialog_pictures.h"
#include "render/image_list_strip.h"
#include "render/level_renderer.h"
#include "render/marker_sheets.h"
#include "render/palette_pictures.h"
#include "render/tile_sheet.h"

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
    CGameRom rom = test::OpenedSample();
    MarkerSheetSet sheets = BuildMarkerSheets(EmbeddedObjectPictures());
    CLevelRenderer renderer;

    SampleRendering() { renderer.SetMarkerSheets(&sheets.markerSheet, &sheets.selectedMarkerSheet); }
};

TEST_F(SampleRendering, CanvasesMatchTheirGoldenPictures) {
    const struct {
        const char* name;
        LevelChoice choice;
    } views[] = {
        {"bonus-1", {true, 0}},     {"level-1-1", {false, 0}},
        {"boss-slot", {false, 32}}, {"level-1-2", {false, 1}}, // palette zones of an updater
        {"level-1-4", {false, 3}},                             // the boss row of the level picture
    };
    for (const auto& view : views) {
        SCOPED_TRACE(view.name);
        SelectLevel(rom, view.choice);
        renderer.SelectLevel(rom, rom);
        ExpectGolden(renderer.Canvas(), view.name);
    }
    // A selected object and the click point, drawn by an overlay redraw.
    rom.view.selectedList = 0;
    rom.view.selectedIndex = 1;
    rom.view.clickX = 300;
    rom.view.clickY = 500;
    renderer.Redraw(rom, false, true);
    ExpectGolden(renderer.Canvas(), "level-1-4-selected");
}

TEST_F(SampleRendering, DialogPicturesMatchTheirGoldenPictures) {
    const EditGraphicSets sets = *rom.ExpandGraphicSets();
    const EditGraphicSet& set = sets[1];
    const PictureBuffer tiles = TileStrip(set.tiles, rom.paletteSets, 1, false);
    const PictureBuffer blocks = BlockStrip(set.blocks, set.tiles, rom.paletteSets, 1);
    const PaletteGrid palette = rom.paletteSets[1];
    const PaletteModifier& modifier = rom.paletteUpdaters.at(1).modifiers.at(0);
    const PaletteGrid modifierGrid = ModifierGrid(modifier);
    const std::pair<const char*, PictureBuffer> pictures[] = {
        {"all-tiles", TileStrip(set.tiles, rom.paletteSets, 1, true)},
        {"tile-grid", TileGridPicture(tiles, 2)},
        {"block-grid", BlockGridPicture(blocks, set.blocks.size())},
        {"magnified-block", MagnifiedBlockPicture(blocks, 3)},
        {"room-strip", RoomStrip(set.rooms, blocks)},
        {"tile-sheet", DrawTileSheet(set.tiles, {0x0F, 0x16, 0x2A, 0x30})},
        {"palette-grid",
         PaletteGridPicture(palette, PaletteGridStyle::Palette, PaletteCaption(1, 6, palette[6]))},
        {"modifier-grid",
         PaletteGridPicture(modifierGrid, PaletteGridStyle::Modifier, ModifierCaption(modifierGrid, 5))},
        {"colour-chooser", ColourChooserPicture(0x2A)},
        {"updater-rooms", UpdaterRoomsPicture(UpdaterRoomEffects(rom.paletteUpdaters.at(1)))},
        {"marker-sheet", sheets.markerSheet},
        {"selected-marker-sheet", sheets.selectedMarkerSheet},
        {"marker-list", MakeImageListStrip(sheets.markerSheet, sheets.boundingBoxes).strip},
    };
    for (const auto& [name, picture] : pictures) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(picture.Empty());
        ExpectGolden(picture, name);
    }
}

} // namespace
} // namespace tikaroo
