#pragma once

#include "render/picture_buffer.h"

#include <QImage>
#include <QRect>

namespace tikaroo {

// A QImage over the picture's own pixels (no copy). It stays valid only while the picture is neither
// resized nor destroyed.
inline QImage WrapPicture(const PictureBuffer& picture) {
    if (picture.Empty()) return {};
    return QImage(reinterpret_cast<const uchar*>(picture.Data()), picture.Width(), picture.Height(),
                  static_cast<qsizetype>(picture.Stride()), QImage::Format_RGB32);
}

inline QRect ToQRect(const PictureRect& rect) {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

} // namespace tikaroo
