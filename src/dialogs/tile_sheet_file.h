#pragma once

#include "render/picture_buffer.h"
#include "render/tile_sheet.h"

#include <QString>

namespace tikaroo {

// A tile sheet read from a picture file of any format Qt decodes: its picture and the colours of its
// halves, or the text that refuses it ("Invalid image file", or the size and colour text).
struct LoadedTileSheet {
    PictureBuffer picture;
    SheetColours colours{};
    const char* error = nullptr;
};

LoadedTileSheet LoadTileSheet(const QString& path);

// Writes `picture` as a 32-bit PNG file; false when it cannot be written.
bool WritePngFile(const PictureBuffer& picture, const QString& path);

} // namespace tikaroo
