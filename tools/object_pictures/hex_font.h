#pragma once

#include "index_picture.h"

#include <string_view>

namespace tikaroo::art {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;

// Width in pixels of `text` in the built-in 5x7 font at `scale`, one scaled column between characters.
int TextWidth(std::string_view text, int scale);

// The pixels of `text` (hex digits 0-9 and A-F) with its top-left corner at (left, top).
Mask TextMask(std::string_view text, int left, int top, int scale);

} // namespace tikaroo::art
