#pragma once

#include "game/level_selection.h"
#include "object_pictures/embedded_object_pictures.h"
#include "render/level_renderer.h"
#include "render/marker_sheets.h"
#include "sample_file.h"

namespace tikaroo::bench {

// The sample game opened at level 1-1 as the main window shows it.
struct ShownSample {
    CGameRom rom;
    MarkerSheetSet sheets = BuildMarkerSheets(EmbeddedObjectPictures());
    CLevelRenderer renderer;

    bool Open(benchmark::State& state) {
        if (!OpenSample(state, rom)) return false;
        renderer.SetMarkerSheets(&sheets.markerSheet, &sheets.selectedMarkerSheet);
        SelectLevel(rom, {});
        renderer.SelectLevel(rom, rom);
        return true;
    }
};

} // namespace tikaroo::bench
