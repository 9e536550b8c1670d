#include "hex_font.h"

#include <array>
#include <cstdint>
#include <stdexcept>

namespace tikaroo::art {
namespace {

// One row per byte, top to bottom; bit 4 is the leftmost column.
using Glyph = std::array<std::uint8_t, kGlyphHeight>;
constexpr std::array<Glyph, 16> kHexGlyphs{{
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, // 0
    {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}, // 1
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, // 2
    {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}, // 3
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, // 4
    {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}, // 5
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, // 6
    {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}, // 7
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, // 8
    {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}, // 9
    {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}, // A
    {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}, // B
    {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}, // C
    {0x1C, 0x12, 0x11, 0x11, 0x11, 0x12, 0x1C}, // D
    {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}, // E
    {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}, // F
}};

const Glyph& GlyphOf(char c) {
    if (c >= '0' && c <= '9') return kHexGlyphs[static_cast<std::size_t>(c - '0')];
    if (c >= 'A' && c <= 'F') return kHexGlyphs[static_cast<std::size_t>(c - 'A' + 10)];
    throw std::logic_error("the picture font has hex digits only");
}

} // namespace

int TextWidth(std::string_view text, int scale) {
    if (text.empty()) return 0;
    return static_cast<int>(text.size()) * (kGlyphWidth + 1) * scale - scale;
}

Mask TextMask(std::string_view text, int left, int top, int scale) {
    Mask mask;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph& glyph = GlyphOf(text[i]);
        const int glyphLeft = left + static_cast<int>(i) * (kGlyphWidth + 1) * scale;
        for (int row = 0; row < kGlyphHeight; ++row)
            for (int column = 0; column < kGlyphWidth; ++column)
                if ((glyph[static_cast<std::size_t>(row)] >> (kGlyphWidth - 1 - column)) & 1U)
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale; ++dx)
                            mask.Set(glyphLeft + column * scale + dx, top + row * scale + dy);
    }
    return mask;
}

} // namespace tikaroo::art
