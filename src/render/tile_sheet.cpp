#include "tile_sheet.h"

#include <algorithm>

namespace tikaroo {

namespace {

constexpr std::int32_t kHalfWidth = kTileSheetWidth / 2;
constexpr std::size_t kTilesPerHalf = 256;
constexpr std::size_t kTilesPerRow = 16;
constexpr std::uint32_t kRgbMask = 0xFFFFFF;

PicturePoint TilePlace(std::size_t tile) {
    const std::size_t half = tile / kTilesPerHalf;
    const std::size_t n = tile % kTilesPerHalf;
    return {static_cast<std::int32_t>(half) * kHalfWidth +
                static_cast<std::int32_t>(n % kTilesPerRow) * kTileSize,
            static_cast<std::int32_t>(n / kTilesPerRow) * kTileSize};
}

} // namespace

PictureBuffer DrawTileSheet(std::span<const Tile> tiles, const SubPalette& subPalette) {
    if (tiles.size() != kSheetHalves * kTilesPerHalf) return {};
    PictureBuffer sheet(kTileSheetWidth, kTileSheetHeight);
    for (std::size_t t = 0; t < tiles.size(); ++t) {
        const PicturePoint place = TilePlace(t);
        DrawTile(sheet, place.x, place.y, tiles[t], &subPalette, TileMode::Dialog);
    }
    return sheet;
}

std::optional<SheetColours> SheetColoursOf(const PictureBuffer& sheet) {
    if (sheet.Width() != kTileSheetWidth || sheet.Height() != kTileSheetHeight) return std::nullopt;
    SheetColours colours{};
    for (std::size_t half = 0; half < kSheetHalves; ++half) {
        std::vector<std::uint32_t> found;
        for (std::int32_t y = 0; y < kTileSheetHeight; ++y) {
            const auto row = sheet.Row(y).subspan(half * kHalfWidth, kHalfWidth);
            for (const std::uint32_t pixel : row) {
                const std::uint32_t rgb = pixel & kRgbMask;
                if (std::ranges::find(found, rgb) != found.end()) continue;
                if (found.size() == colours[half].size()) return std::nullopt;
                found.push_back(rgb);
            }
        }
        if (found.size() != colours[half].size()) return std::nullopt;
        std::ranges::sort(found);
        std::ranges::copy(found, colours[half].begin());
    }
    return colours;
}

std::vector<Tile> TilesFromSheet(const PictureBuffer& sheet, const SheetColours& colours,
                                 const SheetAssignment& assignment) {
    // The pixel value of each source colour, the higher value winning.
    std::array<std::array<std::uint8_t, 4>, kSheetHalves> valueOf{};
    for (std::size_t half = 0; half < kSheetHalves; ++half)
        for (std::uint8_t v = 0; v < 4; ++v) valueOf[half][assignment[half][v] & 3] = v;
    std::vector<Tile> tiles(kSheetHalves * kTilesPerHalf);
    for (std::size_t t = 0; t < tiles.size(); ++t) {
        const std::size_t half = t / kTilesPerHalf;
        const PicturePoint place = TilePlace(t);
        for (std::int32_t y = 0; y < kTileSize; ++y) {
            for (std::int32_t x = 0; x < kTileSize; ++x) {
                const std::uint32_t rgb = sheet.Pixel(place.x + x, place.y + y) & kRgbMask;
                const auto source = std::ranges::find(colours[half], rgb) - colours[half].begin();
                tiles[t][static_cast<std::size_t>(y * kTileSize + x)] =
                    source < 4 ? valueOf[half][static_cast<std::size_t>(source)] : 0;
            }
        }
    }
    return tiles;
}

} // namespace tikaroo
