#include "paint_pictures.h"

#include "rom/picture_records.h"
#include "rom/rom_error.h"

namespace tikaroo {
namespace {

PictureBuffer PictureOf(const PictureRecord& record) {
    PictureBuffer picture(record.width, record.height);
    std::uint32_t* pixel = picture.Data();
    for (const std::uint8_t index : record.pixels) {
        const bool opaque = index >= 1 && index <= record.colours.size();
        *pixel++ = opaque ? (record.colours[index - 1U] & 0x00FFFFFF) | kOpaque : kKeyColour;
    }
    return picture;
}

} // namespace

int PaintPictures(ReadCursor& cursor, PictureBuffer& strip, std::int32_t cellWidth, std::int32_t cellHeight) {
    strip.Fill(kKeyColour | kOpaque);
    bool painted = false;
    while (!cursor.AtEnd()) {
        const auto record = ReadPictureRecord(cursor);
        if (!record) continue;
        painted = true;
        if (record->width == 0 || record->height == 0) throw RomError(errors::kInvalidSize);
        const PictureBuffer picture = PictureOf(*record);
        strip.CopyFrom(picture, {0, 0, cellWidth, cellHeight},
                       record->slot * cellWidth + (cellWidth - record->width) / 2,
                       (cellHeight - record->height) / 2);
    }
    cursor.position = 0;
    return painted ? 1 : 0;
}

} // namespace tikaroo
