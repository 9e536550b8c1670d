#include "object_images.h"

#include "editor/qt_picture.h"

namespace tikaroo {

CObjectImages::CObjectImages(const MarkerSheetSet& sheets)
    : sheet(&sheets.markerSheet), list(MakeImageListStrip(sheets.markerSheet, sheets.boundingBoxes)),
      icons(list.imageCount) {}

QPixmap CObjectImages::Icon(int imageNumber) const {
    if (imageNumber < 0 || static_cast<std::size_t>(imageNumber) >= list.imageCount) return {};
    QPixmap& icon = icons[static_cast<std::size_t>(imageNumber)];
    if (!icon.isNull()) return icon;
    // The strip's pixels carry no alpha: the key colour becomes transparent, every other pixel opaque.
    QImage image = WrapPicture(list.strip)
                       .copy(imageNumber * list.imageWidth, 0, list.imageWidth, list.imageHeight)
                       .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = (row[x] & 0xFFFFFFu) == kKeyColour ? 0u : row[x] | 0xFF000000u;
    }
    icon = QPixmap::fromImage(image);
    return icon;
}

} // namespace tikaroo
