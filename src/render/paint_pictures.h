#pragma once

#include "picture_buffer.h"
#include "rom/read_cursor.h"

#include <cstdint>

namespace tikaroo {

// The strip's alpha byte: opaque for picture pixels and empty cells, 0 for the transparent pixels of a
// picture. The colour of both kinds of empty pixel is kKeyColour.
inline constexpr std::uint32_t kOpaque = 0xFF000000;

// Fills the strip with the key colour (opaque) and paints every picture record of the cursor centred into
// its cell (cell s at x = s * cellWidth). Records cut off by the end of the data are skipped; a record of
// width or height 0 raises "Invalid size". Returns 1 when a record was painted, else 0; the cursor is set
// back to the start.
int PaintPictures(ReadCursor& cursor, PictureBuffer& strip, std::int32_t cellWidth, std::int32_t cellHeight);

} // namespace tikaroo
