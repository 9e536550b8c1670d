#pragma once

#include "picture_buffer.h"
#include "rom/tile.h"
#include "tile_drawing.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tikaroo {

// A tile sheet holds the 512 tiles of one graphic set: tiles 0-255 in the left 128x128 half and
// 256-511 in the right one, each half 16 tiles a row, in four colours per half.
inline constexpr std::int32_t kTileSheetWidth = 256;
inline constexpr std::int32_t kTileSheetHeight = 128;
inline constexpr std::size_t kSheetHalves = 2;

inline constexpr const char* kInvalidImageText = "Invalid image file";
inline constexpr const char* kSheetShapeText = "Image must be in size 256x128 and with 4 colors";

// The four colours of a sheet half in ascending 0xRRGGBB order: source colours 0-3.
using HalfColours = std::array<std::uint32_t, 4>;
using SheetColours = std::array<HalfColours, kSheetHalves>;
// Entry v names the source colour that becomes pixel value v.
using HalfAssignment = std::array<std::uint8_t, 4>;
using SheetAssignment = std::array<HalfAssignment, kSheetHalves>;
inline constexpr SheetAssignment kProposedAssignment = {{{0, 1, 2, 3}, {0, 1, 2, 3}}};

// The sheet of 512 tiles, pixel value v in colour v of `subPalette`; empty unless 512 tiles are given.
PictureBuffer DrawTileSheet(std::span<const Tile> tiles, const SubPalette& subPalette);

// The colours of each half of `sheet`; nothing unless it is 256x128 with exactly four colours in each
// half.
std::optional<SheetColours> SheetColoursOf(const PictureBuffer& sheet);

// The 512 tiles of a sheet whose colours are `colours`. A colour that no entry names becomes 0; when
// two entries name one colour, the higher value wins.
std::vector<Tile> TilesFromSheet(const PictureBuffer& sheet, const SheetColours& colours,
                                 const SheetAssignment& assignment);

} // namespace tikaroo
