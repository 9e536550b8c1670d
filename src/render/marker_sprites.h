#pragma once

#include "rom/picture_records.h"

#include "picture_buffer.h"

#include <cstdint>
#include <vector>

namespace tikaroo {

// The sheets hold one cell per picture slot of the embedded object pictures.
inline constexpr std::int32_t kMarkerCell = kPictureCellSize;
inline constexpr std::size_t kMarkerCells = kPictureCellCount;

// The non-key pixels of one marker cell as horizontal runs, their pixels stored together so that
// drawing a marker reads memory in order and skips no key pixels.
struct MarkerSprite {
    struct Run {
        std::int32_t x = 0; // cell-relative
        std::int32_t y = 0;
        std::int32_t length = 0;
        std::size_t offset = 0; // into pixels
    };
    std::vector<Run> runs;
    std::vector<std::uint32_t> pixels;
    PictureRect ink; // the smallest cell-relative rectangle holding every run
};

// The sprites of the 256 cells of a marker sheet (cell s at x = 128s, 128 high); cells beyond the
// sheet are empty.
std::vector<MarkerSprite> SpritesOf(const PictureBuffer& sheet);

// Draws `sprite` with its cell's top-left corner at (x, y), clipped to the picture.
void DrawSprite(PictureBuffer& picture, const MarkerSprite& sprite, std::int32_t x, std::int32_t y);

} // namespace tikaroo
