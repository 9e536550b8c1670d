#pragma once

#include "box_grid.h"
#include "game/palette_modifiers.h"
#include "picture_buffer.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tikaroo {

// The pictures of the palette dialogs: sixteen-colour grids, the 64 NES colours and the rooms of a
// palette updater.
inline constexpr std::uint32_t kDialogBackground = 0x303030;
inline constexpr std::uint32_t kDialogText = 0xFFFFFF;

// The palette and modifier editors: 182 x 190, four rows of four boxes, a caption below them.
inline constexpr std::int32_t kPaletteCanvasWidth = 182;
inline constexpr std::int32_t kPaletteCanvasHeight = 190;
inline constexpr BoxGrid kPaletteGrid{7, 7, 33, 35, 32, 32, 4, 4};

// A palette shows "BG" at position 0 and greyly framed colours; a modifier frames its colours in white
// and marks every box of a sub-palette it does not set with "X".
enum class PaletteGridStyle { Palette, Modifier };
PictureBuffer PaletteGridPicture(const PaletteGrid& colours, PaletteGridStyle style,
                                 const std::string& caption);

// Captions under the grid for the selected entry.
std::string PaletteCaption(std::size_t palette, std::size_t entry, std::uint8_t colour);
std::string ModifierCaption(const PaletteGrid& grid, std::size_t entry);

// The colour chooser: 526 x 185, the 64 colours in four rows of 16, "Color: %02X" below.
inline constexpr std::int32_t kColourCanvasWidth = 526;
inline constexpr std::int32_t kColourCanvasHeight = 185;
inline constexpr BoxGrid kColourGrid{7, 7, 32, 32, 32, 32, 16, 4};
PictureBuffer ColourChooserPicture(std::uint8_t selected);

// The updaters editor: one cell per room, its number over a box framed green where a modifier starts
// and grey elsewhere, holding the colours in force there as 8 x 8 squares.
inline constexpr BoxGrid kUpdaterRoomGrid{7, 27, 36, 36, 36, 36, static_cast<std::int32_t>(kUpdaterRooms), 1};
inline constexpr std::int32_t kUpdaterCanvasHeight = 70;
PictureBuffer UpdaterRoomsPicture(const RoomEffects& effects);

} // namespace tikaroo
