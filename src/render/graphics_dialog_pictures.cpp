#include "graphics_dialog_pictures.h"

#include "tile_drawing.h"

namespace tikaroo {

namespace {

constexpr std::int32_t kEnlargement = 4;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kColumnWidth = 32;
constexpr std::int32_t kColumnsHeight = 64;

// Copies `from` of `source` to (x, y), every pixel as a square of `factor` pixels.
void CopyEnlarged(PictureBuffer& target, const PictureBuffer& source, PictureRect from, std::int32_t x,
                  std::int32_t y, std::int32_t factor) {
    for (std::int32_t row = 0; row < from.Height(); ++row) {
        for (std::int32_t column = 0; column < from.Width(); ++column) {
            const std::int32_t left = x + column * factor;
            const std::int32_t top = y + row * factor;
            target.FillRect({left, top, left + factor, top + factor},
                            source.Pixel(from.left + column, from.top + row));
        }
    }
}

PicturePoint GridCell(std::size_t index) {
    return {static_cast<std::int32_t>(index % kGridCells) * kGridCellPitch,
            static_cast<std::int32_t>(index / kGridCells) * kGridCellPitch};
}

} // namespace

PictureBuffer BlockGridPicture(const PictureBuffer& blockStrip, std::size_t count) {
    PictureBuffer picture(kGridPictureSize, kGridPictureSize);
    for (std::size_t block = 0; block < count && block < kGridCells * kGridCells; ++block) {
        const PicturePoint cell = GridCell(block);
        picture.FillRect({cell.x, cell.y, cell.x + kGridCellPitch, cell.y + kGridCellPitch}, kWhite);
        const auto left = static_cast<std::int32_t>(block) * kBlockSize;
        picture.CopyFrom(blockStrip, {left, 0, left + kBlockSize, kBlockSize}, cell.x, cell.y);
    }
    return picture;
}

PictureBuffer MagnifiedBlockPicture(const PictureBuffer& blockStrip, std::size_t block) {
    PictureBuffer picture(kMagnifiedBlockSize, kMagnifiedBlockSize);
    const auto left = static_cast<std::int32_t>(block) * kBlockSize;
    if (left + kBlockSize <= blockStrip.Width())
        CopyEnlarged(picture, blockStrip, {left, 0, left + kBlockSize, kBlockSize}, 0, 0, kEnlargement);
    return picture;
}

PictureBuffer TileGridPicture(const PictureBuffer& tileStrip, std::uint8_t subPalette) {
    PictureBuffer picture(kGridPictureSize, kGridPictureSize);
    const std::int32_t top = (subPalette & 3) * kTileSize;
    for (std::size_t tile = 0; tile < kGridCells * kGridCells; ++tile) {
        const auto left = static_cast<std::int32_t>(tile) * kTileSize;
        if (left + kTileSize > tileStrip.Width()) break;
        const PicturePoint cell = GridCell(tile);
        CopyEnlarged(picture, tileStrip, {left, top, left + kTileSize, top + kTileSize}, cell.x, cell.y,
                     kEnlargement);
    }
    return picture;
}

PictureBuffer ColourColumnsPicture(const std::array<std::uint32_t, 4>& colours) {
    PictureBuffer picture(kColumnWidth * static_cast<std::int32_t>(colours.size()), kColumnsHeight);
    for (std::size_t v = 0; v < colours.size(); ++v) {
        const auto left = static_cast<std::int32_t>(v) * kColumnWidth;
        picture.FillRect({left, 0, left + kColumnWidth, kColumnsHeight}, colours[v]);
    }
    return picture;
}

} // namespace tikaroo
