#include "check_support.h"
#include "fuzz_checks.h"

#include "game/level_selection.h"
#include "object_pictures/embedded_object_pictures.h"
#include "render/level_renderer.h"
#include "render/marker_sheets.h"
#include "render/room_geometry.h"

namespace tikaroo::fuzz {

namespace {

constexpr std::int32_t kWidestCanvas = static_cast<std::int32_t>(kRoomsPerLevelSet) * kRoomWidth;

void DrawLevel(CLevelRenderer& renderer, CGameRom& rom, LevelChoice choice) {
    try {
        SelectLevel(rom, choice);
    } catch (const std::exception& error) {
        ExpectModelError(error, "a level selection"); // a bonus area that names no level
        return;
    }
    try {
        renderer.SelectLevel(rom, rom);
    } catch (const std::exception& error) {
        throw Finding{std::string("drawing a level failed: ") + error.what()};
    }
    const PictureBuffer& canvas = renderer.Canvas();
    if (canvas.Height() > kMaxCanvasHeight || canvas.Width() > kWidestCanvas)
        throw Finding{"a canvas of " + std::to_string(canvas.Width()) + " x " +
                      std::to_string(canvas.Height())};
}

} // namespace

void DrawEveryLevel(CGameRom& rom) {
    static const MarkerSheetSet sheets = BuildMarkerSheets(EmbeddedObjectPictures());
    CLevelRenderer renderer;
    renderer.SetMarkerSheets(&sheets.markerSheet, &sheets.selectedMarkerSheet);
    for (std::uint8_t slot = 0; slot < kLevelSlotCount; ++slot) DrawLevel(renderer, rom, {false, slot});
    for (std::uint8_t bonus = 0; bonus < kBonusLevelCount; ++bonus) DrawLevel(renderer, rom, {true, bonus});
}

} // namespace tikaroo::fuzz
