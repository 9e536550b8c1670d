#pragma once

#include "picture_buffer.h"

#include <cstdint>
#include <string_view>

namespace tikaroo {

// The dialog pictures' own 5 x 7 font of printable ASCII, one blank column after each character.
inline constexpr std::int32_t kTextCharWidth = 6;
inline constexpr std::int32_t kTextLineHeight = 10;

// Draws `text` with its top-left corner at (x, y); "\n" (or "\r\n") starts a new line. Characters
// outside printable ASCII draw nothing but take their place.
void DrawText(PictureBuffer& picture, std::int32_t x, std::int32_t y, std::string_view text,
              std::uint32_t colour);
// Width of the longest line of `text`.
std::int32_t TextWidth(std::string_view text);

} // namespace tikaroo
