#include "tile_drawing.h"

#include "nes_colors.h"
#include "rom/game_image.h"
#include "rom/rom_error.h"

namespace tikaroo {

namespace {

// What the pixel values 1-3 show as when no palette is given.
constexpr std::array<std::uint32_t, 4> kGreys = {0x000000, 0x808080, 0xA0A0A0, 0xFFFFFF};

const Tile kBlankTile{};

} // namespace

SubPalette SubPaletteOf(const PaletteSet& palette, std::uint8_t p) {
    const std::size_t first = 4u * (p & 3u);
    return {palette[first], palette[first + 1], palette[first + 2], palette[first + 3]};
}

void DrawTile(PictureBuffer& picture, std::int32_t x, std::int32_t y, const Tile& tile,
              const SubPalette* subPalette, TileMode mode) {
    std::array<std::uint32_t, 4> colours = kGreys;
    if (subPalette != nullptr) {
        for (std::size_t v = 0; v < colours.size(); ++v) colours[v] = NesColour((*subPalette)[v]);
    }
    const bool drawZero = mode == TileMode::Dialog;
    for (std::int32_t row = 0; row < kTileSize; ++row) {
        if (y + row < 0 || y + row >= picture.Height()) continue;
        auto out = picture.Row(y + row);
        for (std::int32_t column = 0; column < kTileSize; ++column) {
            const std::uint8_t value = tile[static_cast<std::size_t>(row * kTileSize + column)] & 3;
            if ((value != 0 || drawZero) && x + column >= 0 && x + column < picture.Width())
                out[static_cast<std::size_t>(x + column)] = colours[value];
        }
    }
}

void DrawPpuTile(PictureBuffer& picture, std::int32_t x, std::int32_t y, const CGameImage& image,
                 std::uint32_t number, const SubPalette* subPalette, TileMode mode) {
    if (number >= kPpuTileCount) throw RomError(errors::kInvalidTile);
    // A map entry beyond the decoded CHR (a short image) shows as an empty tile.
    const std::size_t index = image.ppuTileMap[number];
    DrawTile(picture, x, y, index < image.allTiles.size() ? image.allTiles[index] : kBlankTile, subPalette,
             mode);
}

void DrawBlock(PictureBuffer& picture, std::int32_t x, std::int32_t y, const CGameImage& image,
               const Block& tiles, const BlockAttributes& attributes, const PaletteSet* palette) {
    for (std::size_t row = 0; row < 4; ++row) {
        for (std::size_t column = 0; column < 4; ++column) {
            SubPalette subPalette{};
            if (palette != nullptr)
                subPalette = SubPaletteOf(*palette, attributes[QuadrantAttributeEntry(row, column)]);
            DrawPpuTile(picture, x + kTileSize * static_cast<std::int32_t>(column),
                        y + kTileSize * static_cast<std::int32_t>(row), image,
                        kBackgroundTileBase + tiles[4 * row + column],
                        palette != nullptr ? &subPalette : nullptr, TileMode::Canvas);
        }
    }
}

} // namespace tikaroo
