#include "tile_sheet_file.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <algorithm>

namespace tikaroo {

namespace {

// A sheet file is 256x128 pixels; anything this large is no sheet and is not read at all.
constexpr qint64 kMaxPictureFileSize = qint64{64} << 20;

PictureBuffer ToPicture(const QImage& decoded) {
    const QImage image = decoded.convertToFormat(QImage::Format_RGB32);
    PictureBuffer picture(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        // The picture keeps colours only; Qt's RGB32 has 0xFF in the top byte.
        std::transform(line, line + image.width(), picture.Row(y).begin(),
                       [](std::uint32_t pixel) { return pixel & 0xFFFFFFU; });
    }
    return picture;
}

} // namespace

LoadedTileSheet LoadTileSheet(const QString& path) {
    LoadedTileSheet sheet;
    sheet.error = kInvalidImageText;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() >= kMaxPictureFileSize) return sheet;
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    // A picture of another size is refused before it is decoded.
    const QSize size = reader.size();
    if (size.isValid() && !size.isEmpty() && size != QSize(kTileSheetWidth, kTileSheetHeight)) {
        sheet.error = kSheetShapeText;
        return sheet;
    }
    const QImage image = reader.read();
    if (image.isNull() || image.width() == 0 || image.height() == 0) return sheet;
    sheet.picture = ToPicture(image);
    const std::optional<SheetColours> colours = SheetColoursOf(sheet.picture);
    sheet.error = colours ? nullptr : kSheetShapeText;
    if (colours) sheet.colours = *colours;
    return sheet;
}

bool WritePngFile(const PictureBuffer& picture, const QString& path) {
    QImage image(picture.Width(), picture.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < picture.Height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (const std::uint32_t pixel : picture.Row(y)) *line++ = pixel | 0xFF000000U;
    }
    return image.save(path, "PNG");
}

} // namespace tikaroo
