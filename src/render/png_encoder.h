#pragma once

#include "picture_buffer.h"

#include <cstdint>
#include <vector>

namespace tikaroo {

// zlib levels: 0 stores, 1 is the fastest that compresses, 9 the smallest. On the canvas pictures levels
// 1 to 3 cost the same time and 3 writes the smallest files of them; from 4 on the time doubles.
inline constexpr int kDefaultPngCompression = 3;
inline constexpr int kSmallestPngCompression = 9;

// The row filters that suit pictures of flat tiles. Leaving rows unfiltered is the fastest at every
// level and the smallest at level 9: the tiles repeat byte for byte, which deflate finds as they are.
enum class PngFilter : std::uint8_t { None = 0, Sub = 1, Up = 2 };

struct PngSettings {
    int compression = kDefaultPngCompression; // clamped to 0-9
    PngFilter filter = PngFilter::None;
};

// Encodes `picture` as an 8-bit RGB PNG straight from its pixels into `png`, which is cleared first and
// keeps its capacity for the next picture. An empty picture gives no bytes: a PNG has at least one pixel.
void EncodePng(PictureView picture, PngSettings settings, std::vector<std::uint8_t>& png);

} // namespace tikaroo
