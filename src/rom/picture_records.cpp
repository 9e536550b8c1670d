#include "picture_records.h"

#include "lzw.h"

#include <algorithm>

namespace tikaroo {
namespace {

// Little-endian field of `size` bytes; nothing when it does not fit.
std::optional<std::uint32_t> ReadField(ReadCursor& cursor, std::size_t size, Bytes& scratch) {
    if (ReadBytes(cursor, size, scratch) < size) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) value = (value << 8) | scratch[i];
    return value;
}

void AppendField(std::uint32_t value, std::size_t size, Bytes& out) {
    for (std::size_t i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace

std::vector<std::uint8_t> UsedPictureSlots() {
    std::vector<std::uint8_t> slots;
    for (int id = 1; id <= kLastObjectPicture; ++id) slots.push_back(static_cast<std::uint8_t>(id));
    for (int letter = 0; letter < kLetterPictureCount; ++letter)
        slots.push_back(static_cast<std::uint8_t>(kFirstLetterPicture + letter));
    for (int variant = 1; variant < kBridgeVariantCount; ++variant)
        for (const std::uint8_t id : kBridgeObjectIds)
            slots.push_back(static_cast<std::uint8_t>(id + kBridgeVariantStride * variant));
    std::sort(slots.begin(), slots.end());
    return slots;
}

ReadCursor LoadPictureData(std::span<const std::uint8_t> packed) {
    return ReadCursor{LzwDecode(packed), 0};
}

std::optional<PictureRecord> ReadPictureRecord(ReadCursor& cursor) {
    Bytes scratch;
    PictureRecord record;
    record.slot = static_cast<std::uint8_t>(ReadField(cursor, 1, scratch).value_or(0));
    record.width = static_cast<std::uint16_t>(ReadField(cursor, 2, scratch).value_or(0));
    record.height = static_cast<std::uint16_t>(ReadField(cursor, 2, scratch).value_or(0));
    const std::uint32_t colourCount = ReadField(cursor, 1, scratch).value_or(0);
    for (std::uint32_t i = 0; i < colourCount; ++i) {
        const auto colour = ReadField(cursor, 4, scratch);
        if (!colour) return std::nullopt;
        record.colours.push_back(*colour);
    }
    const std::size_t pixelCount = std::size_t{record.width} * record.height;
    if (ReadBytes(cursor, pixelCount, record.pixels) < pixelCount) return std::nullopt;
    return record;
}

void AppendPictureRecord(const PictureRecord& record, Bytes& out) {
    AppendField(record.slot, 1, out);
    AppendField(record.width, 2, out);
    AppendField(record.height, 2, out);
    AppendField(static_cast<std::uint32_t>(record.colours.size()), 1, out);
    for (const std::uint32_t colour : record.colours) AppendField(colour, 4, out);
    out.insert(out.end(), record.pixels.begin(), record.pixels.end());
}

} // namespace tikaroo
