#include "marker_sprites.h"

#include <algorithm>
#include <cstring>

namespace tikaroo {

std::vector<MarkerSprite> SpritesOf(const PictureBuffer& sheet) {
    std::vector<MarkerSprite> sprites(kMarkerCells);
    const std::int32_t width = std::min(sheet.Width(), kMarkerCell * static_cast<std::int32_t>(kMarkerCells));
    for (std::int32_t y = 0; y < std::min(sheet.Height(), kMarkerCell); ++y) {
        const auto row = sheet.Row(y);
        std::int32_t x = 0;
        while (x < width) {
            if ((row[static_cast<std::size_t>(x)] & 0xFFFFFF) == kKeyColour) {
                ++x;
                continue;
            }
            // A run ends at a key pixel or at the cell's right edge.
            const std::int32_t cellEnd = (x / kMarkerCell + 1) * kMarkerCell;
            std::int32_t end = x;
            while (end < std::min(cellEnd, width) &&
                   (row[static_cast<std::size_t>(end)] & 0xFFFFFF) != kKeyColour)
                ++end;
            MarkerSprite& sprite = sprites[static_cast<std::size_t>(x / kMarkerCell)];
            const std::int32_t cellX = x % kMarkerCell;
            sprite.runs.push_back({cellX, y, end - x, sprite.pixels.size()});
            // Colours only: a sheet may carry alpha bytes.
            for (std::int32_t i = x; i < end; ++i)
                sprite.pixels.push_back(row[static_cast<std::size_t>(i)] & 0xFFFFFF);
            sprite.ink = UnionOf(sprite.ink, {cellX, y, cellX + end - x, y + 1});
            x = end;
        }
    }
    return sprites;
}

void DrawSprite(PictureBuffer& picture, const MarkerSprite& sprite, std::int32_t x, std::int32_t y) {
    for (const MarkerSprite::Run& run : sprite.runs) {
        const std::int32_t row = y + run.y;
        if (row < 0 || row >= picture.Height()) continue;
        const std::int32_t from = std::max(x + run.x, 0);
        const std::int32_t to = std::min(x + run.x + run.length, picture.Width());
        if (from >= to) continue;
        std::memcpy(picture.Row(row).data() + from, sprite.pixels.data() + run.offset + (from - x - run.x),
                    static_cast<std::size_t>(to - from) * sizeof(std::uint32_t));
    }
}

} // namespace tikaroo
