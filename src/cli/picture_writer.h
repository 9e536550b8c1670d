#pragma once

#include "game/game_rom.h"
#include "game/level_selection.h"
#include "render/level_renderer.h"
#include "render/marker_sheets.h"
#include "render/png_encoder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tikaroo::cli {

// One picture to write: a level or bonus level, and the PNG file it goes to.
struct PictureTarget {
    LevelChoice choice;
    std::string path;
};

struct PictureOutcome {
    enum class Result { Written, NotSelected, NotDrawn, NotWritten };
    Result result = Result::Written;
    std::string error; // the model's text when the level could not be selected or drawn
    bool drawnCut = false;
};

// What to draw and how to write it.
struct PictureSettings {
    bool map = false; // the clean map instead of the canvas
    PngSettings png;
};

// Draws pictures and writes them as PNG files with a model and a renderer of its own, so that several
// writers can work side by side. The renderer's pictures and the PNG bytes are kept from one picture to
// the next instead of being made anew.
class CPictureWriter {
public:
    CPictureWriter(const CGameRom& rom, const MarkerSheetSet& sheets, PictureSettings settings);

    PictureOutcome Write(const PictureTarget& target);

private:
    // The level picture's rooms that the shown level uses: for a bonus level only the bonus area's.
    PictureView MapView() const;

    CGameRom rom_;
    CLevelRenderer renderer_;
    PictureSettings settings_;
    std::vector<std::uint8_t> png_;
};

} // namespace tikaroo::cli
