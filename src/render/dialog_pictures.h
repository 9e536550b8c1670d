#pragma once

#include "game/edit_graphic_set.h"
#include "game/model.h"
#include "picture_buffer.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tikaroo {

// Every room of a graphic set side by side, room n at x = 128n, drawn with palette set `paletteSet` and
// outlined in white; empty for a set without rooms.
PictureBuffer RoomsMapPicture(const EditGraphicSet& set, const std::vector<PaletteSet>& palettes,
                              std::size_t paletteSet);

// The marker picture of `imageNumber` (one 128x128 cell of the sheet) over `background`.
PictureBuffer ObjectPicture(const PictureBuffer& sheet, std::int32_t imageNumber, std::uint32_t background);

} // namespace tikaroo
