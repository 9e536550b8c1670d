#pragma once

#include "picture_buffer.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tikaroo {

// What the editor draws objects with: one 128x128 cell per image number (object ids 1-63, the area letters
// at 65-69, bridge pictures per tileset at id + 16 x tileset), key-colour pixels transparent.
struct MarkerSheetSet {
    PictureBuffer markerSheet;
    // The paler copy with a white frame around every picture, for the selected object.
    PictureBuffer selectedMarkerSheet;
    // Cell-relative box of every cell's picture with 2 pixels of margin, right and bottom being its last
    // column and row; left > right for an empty cell.
    std::vector<PictureRect> boundingBoxes;
};

// The selected sheet is half as contrasty as the marker sheet.
inline constexpr int kSelectedContrastChange = -50;

// Decodes the packed pictures and builds both sheets and the boxes. Missing data gives empty cells.
MarkerSheetSet BuildMarkerSheets(std::span<const std::uint8_t> packedPictures);

// T[v] = (v - mean) x (1 + change / 100) + mean, truncated and limited to 0..255.
std::array<std::uint8_t, 256> ContrastTable(double meanLuminance, int change);

// The sheet with every non-key colour moved toward the sheet's mean luminance by `change` percent.
PictureBuffer MakeSelectedSheet(const PictureBuffer& sheet, int change);

// Finds each cell's box (cells as wide as the sheet is high) and frames it on the sheet: a white line 3
// pixels wide and a dotted inverted rectangle. Raises "Invalid size" for an empty sheet.
std::vector<PictureRect> FramePictures(PictureBuffer& sheet);

} // namespace tikaroo
