// Opens arbitrary bytes as a ROM image and draws every level and bonus level as the editor shows them:
// level picture, background and overlay. Drawing never fails, and no picture grows past its limits.
#include "fuzz_input.h"

#include "object_pictures/embedded_object_pictures.h"
#include "render/level_lookup.h"
#include "render/level_renderer.h"
#include "render/marker_sheets.h"
#include "render/room_geometry.h"

#include <string>

namespace {

using namespace tikaroo;

void DrawShownLevel(CLevelRenderer& renderer, CGameRom& rom) {
    try {
        renderer.SelectLevel(rom, rom);
    } catch (const std::exception& error) {
        fuzz::Fail("drawing a level failed", error.what());
    }
    const PictureBuffer& canvas = renderer.Canvas();
    if (canvas.Height() > kMaxCanvasHeight || canvas.Width() > static_cast<int>(kRoomsPerLevelSet) * kRoomWidth)
        fuzz::Fail("a canvas beyond its limits",
                   (std::to_string(canvas.Width()) + " x " + std::to_string(canvas.Height())).c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const MarkerSheetSet sheets = BuildMarkerSheets(EmbeddedObjectPictures());
    CGameRom rom;
    if (!fuzz::OpenInput(data, size, rom)) return 0;
    CLevelRenderer renderer;
    renderer.SetMarkerSheets(&sheets.markerSheet, &sheets.selectedMarkerSheet);
    for (std::uint8_t slot = 0; slot < kLevelSlotCount; ++slot) {
        ViewLevel(rom, slot);
        DrawShownLevel(renderer, rom);
    }
    for (std::uint8_t bonus = 0; bonus < kBonusLevelCount; ++bonus) {
        ViewBonusLevel(rom, bonus);
        DrawShownLevel(renderer, rom);
    }
    return 0;
}
