#pragma once

#include "read_cursor.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tikaroo {

// The editor's object pictures: one record per picture, LZW-packed, painted into 256 cells of 128x128.
inline constexpr int kPictureCellSize = 128;
inline constexpr int kPictureCellCount = 256;
inline constexpr std::uint8_t kFirstLetterPicture = 65; // the area letters A-E
inline constexpr int kLetterPictureCount = 5;
inline constexpr std::uint8_t kLastObjectPicture = 63;
// Bridge objects have one picture per bridges tileset: variant v lives at id + 16 v.
inline constexpr std::array<std::uint8_t, 4> kBridgeObjectIds{58, 59, 62, 63};
inline constexpr int kBridgeVariantCount = 8;
inline constexpr int kBridgeVariantStride = 16;

// Every slot the editor draws from, ascending.
std::vector<std::uint8_t> UsedPictureSlots();

// A pixel byte k of 1..colours.size() is colours[k - 1]; 0 and anything above is transparent.
struct PictureRecord {
    std::uint8_t slot = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::vector<std::uint32_t> colours; // 0x00RRGGBB
    Bytes pixels;                       // width x height, rows from the top
};

// The decompressed pictures, positioned at their start; empty when `packed` holds nothing.
ReadCursor LoadPictureData(std::span<const std::uint8_t> packed);

// Reads the record at the cursor. A field cut off by the end of the data reads as 0; a record whose colours
// or pixels are cut off is consumed and gives nothing.
std::optional<PictureRecord> ReadPictureRecord(ReadCursor& cursor);

// Appends a record in the layout ReadPictureRecord reads.
void AppendPictureRecord(const PictureRecord& record, Bytes& out);

} // namespace tikaroo
