#include "marker_sheets.h"

#include "paint_pictures.h"
#include "rom/picture_records.h"
#include "rom/rom_error.h"

#include <algorithm>
#include <cmath>

namespace tikaroo {
namespace {

constexpr std::uint32_t kColourMask = 0x00FFFFFF;
constexpr std::uint32_t kFrameColour = 0xFFFFFF;
constexpr std::int32_t kFramePen = 3;
constexpr std::int32_t kBoxMargin = 2;

bool IsKey(std::uint32_t pixel) {
    return (pixel & kColourMask) == kKeyColour;
}

std::size_t PixelCount(const PictureBuffer& picture) {
    return static_cast<std::size_t>(picture.Width()) * static_cast<std::size_t>(picture.Height());
}

// Mean of 0.299 red + 0.587 green + 0.114 blue over all pixels, summed in thousandths to stay exact.
double MeanLuminance(const PictureBuffer& sheet) {
    const std::span<const std::uint32_t> pixels(sheet.Data(), PixelCount(sheet));
    std::uint64_t sum = 0;
    for (const std::uint32_t pixel : pixels)
        sum += 299U * ((pixel >> 16) & 0xFF) + 587U * ((pixel >> 8) & 0xFF) + 114U * (pixel & 0xFF);
    return pixels.empty() ? 0.0 : static_cast<double>(sum) / (1000.0 * static_cast<double>(pixels.size()));
}

// The smallest rectangle (inclusive columns and rows) holding every non-key pixel of the cell, grown by the
// margin; for an empty cell left and top lie past the cell and right and bottom before it.
PictureRect BoxOf(const PictureBuffer& sheet, std::int32_t cell, std::int32_t cellSize) {
    std::int32_t left = cellSize;
    std::int32_t top = cellSize;
    std::int32_t right = -1;
    std::int32_t bottom = -1;
    for (std::int32_t y = 0; y < cellSize; ++y) {
        const auto row = sheet.Row(y).subspan(static_cast<std::size_t>(cell * cellSize),
                                              static_cast<std::size_t>(cellSize));
        const auto first = std::find_if_not(row.begin(), row.end(), IsKey);
        if (first == row.end()) continue;
        const auto last = std::find_if_not(row.rbegin(), row.rend(), IsKey);
        left = std::min(left, static_cast<std::int32_t>(first - row.begin()));
        right = std::max(right, static_cast<std::int32_t>(row.rend() - last) - 1);
        top = std::min(top, y);
        bottom = y;
    }
    if (right < 0) return {cellSize, cellSize, -1, -1};
    return {left - kBoxMargin, top - kBoxMargin, right + kBoxMargin, bottom + kBoxMargin};
}

} // namespace

std::array<std::uint8_t, 256> ContrastTable(double meanLuminance, int change) {
    std::array<std::uint8_t, 256> table{};
    const double factor = 1.0 + change / 100.0;
    for (int v = 0; v < 256; ++v) {
        const double moved = std::trunc((v - meanLuminance) * factor + meanLuminance);
        table[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(std::clamp(moved, 0.0, 255.0));
    }
    return table;
}

PictureBuffer MakeSelectedSheet(const PictureBuffer& sheet, int change) {
    const auto table = ContrastTable(MeanLuminance(sheet), change);
    const auto moved = [&table](std::uint32_t pixel) {
        if (IsKey(pixel)) return pixel;
        return (pixel & ~kColourMask) | std::uint32_t{table[(pixel >> 16) & 0xFF]} << 16 |
               std::uint32_t{table[(pixel >> 8) & 0xFF]} << 8 | table[pixel & 0xFF];
    };
    // The sheet is mostly long runs of one colour; a run reuses its first pixel's result.
    PictureBuffer selected = sheet;
    const std::span<std::uint32_t> pixels(selected.Data(), PixelCount(selected));
    std::uint32_t runColour = pixels.empty() ? 0 : pixels[0];
    std::uint32_t runMoved = moved(runColour);
    for (std::uint32_t& pixel : pixels) {
        if (pixel != runColour) {
            runColour = pixel;
            runMoved = moved(pixel);
        }
        pixel = runMoved;
    }
    return selected;
}

std::vector<PictureRect> FramePictures(PictureBuffer& sheet) {
    const std::int32_t cellSize = sheet.Height();
    if (cellSize < 1) throw RomError(errors::kInvalidSize);
    std::vector<PictureRect> boxes;
    for (std::int32_t cell = 0; cell < sheet.Width() / cellSize; ++cell) {
        const PictureRect box = BoxOf(sheet, cell, cellSize);
        boxes.push_back(box);
        // The frame runs along the box's outer columns and rows, its pen centred on them, so it never covers
        // the picture. An empty cell's box is inverted and gets no frame.
        const std::int32_t x = cell * cellSize;
        const PictureRect onSheet{box.left + x, box.top, box.right + 1 + x, box.bottom + 1};
        sheet.DrawRectangle(onSheet, kFrameColour, kFramePen);
        sheet.DrawFocusRect(onSheet);
    }
    return boxes;
}

MarkerSheetSet BuildMarkerSheets(std::span<const std::uint8_t> packedPictures) {
    ReadCursor cursor = LoadPictureData(packedPictures);
    MarkerSheetSet sheets;
    sheets.markerSheet = PictureBuffer(kPictureCellSize * kPictureCellCount, kPictureCellSize);
    PaintPictures(cursor, sheets.markerSheet, kPictureCellSize, kPictureCellSize);
    sheets.selectedMarkerSheet = MakeSelectedSheet(sheets.markerSheet, kSelectedContrastChange);
    sheets.boundingBoxes = FramePictures(sheets.selectedMarkerSheet);
    return sheets;
}

} // namespace tikaroo
