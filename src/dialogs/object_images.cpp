#include "object_images.h"

#include "editor/qt_picture.h"

#include <QBitmap>

namespace tikaroo {

CObjectImages::CObjectImages(const MarkerSheetSet& sheets)
    : sheet(&sheets.markerSheet), list(MakeImageListStrip(sheets.markerSheet, sheets.boundingBoxes)) {}

QPixmap CObjectImages::Icon(int imageNumber) const {
    if (imageNumber < 0 || static_cast<std::size_t>(imageNumber) >= list.imageCount) return {};
    const QImage image =
        WrapPicture(list.strip).copy(imageNumber * list.imageWidth, 0, list.imageWidth, list.imageHeight);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(kKeyColour | 0xFF000000u, Qt::MaskOutColor)));
    return pixmap;
}

} // namespace tikaroo
