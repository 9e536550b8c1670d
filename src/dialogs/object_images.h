#pragma once

#include "render/image_list_strip.h"
#include "render/marker_sheets.h"

#include <QPixmap>

#include <vector>

namespace tikaroo {

// The object pictures of the object dialogs: small images cut to the largest picture, and the marker
// sheet for full pictures. Made once by the main window.
class CObjectImages {
public:
    // Raises "Invalid size" when the sheet holds no picture at all.
    explicit CObjectImages(const MarkerSheetSet& sheets);

    // The small image of image number `imageNumber`, transparent where the sheet is; each is made at its
    // first use and then shared, as the objects manager asks again at every sort.
    QPixmap Icon(int imageNumber) const;
    QSize IconSize() const { return {list.imageWidth, list.imageHeight}; }
    const PictureBuffer& Sheet() const { return *sheet; }

private:
    const PictureBuffer* sheet;
    ImageListStrip list;
    mutable std::vector<QPixmap> icons;
};

} // namespace tikaroo
