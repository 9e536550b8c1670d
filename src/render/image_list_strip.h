#pragma once

#include "picture_buffer.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace tikaroo {

// The pictures of an image list side by side, all imageWidth x imageHeight; key-colour pixels are
// transparent.
struct ImageListStrip {
    PictureBuffer strip;
    std::int32_t imageWidth = 0;
    std::int32_t imageHeight = 0;
    std::size_t imageCount = 0;
};

// Image i is the box i of cell i of the sheet (cells as wide as the sheet is high), centred in a slot as
// large as the largest non-empty box; an empty box leaves its image empty. Raises "Invalid size" when no
// box holds anything.
ImageListStrip MakeImageListStrip(const PictureBuffer& sheet, std::span<const PictureRect> boxes);

} // namespace tikaroo
