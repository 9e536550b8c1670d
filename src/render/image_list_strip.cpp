#include "image_list_strip.h"

#include "rom/rom_error.h"

#include <algorithm>

namespace tikaroo {

ImageListStrip MakeImageListStrip(const PictureBuffer& sheet, std::span<const PictureRect> boxes) {
    ImageListStrip list;
    list.imageCount = boxes.size();
    for (const PictureRect& box : boxes) {
        if (box.Width() < 1 || box.Height() < 1) continue;
        list.imageWidth = std::max(list.imageWidth, box.Width());
        list.imageHeight = std::max(list.imageHeight, box.Height());
    }
    const auto count = static_cast<std::int32_t>(boxes.size());
    if (count * list.imageWidth < 1 || list.imageHeight < 1) throw RomError(errors::kInvalidSize);

    list.strip = PictureBuffer(count * list.imageWidth, list.imageHeight);
    list.strip.Fill(kKeyColour);
    const std::int32_t cellSize = sheet.Height();
    for (std::int32_t i = 0; i < count; ++i) {
        const PictureRect& box = boxes[static_cast<std::size_t>(i)];
        if (box.Width() < 1 || box.Height() < 1) continue;
        const std::int32_t cellX = i * cellSize;
        list.strip.CopyFrom(sheet, {cellX + box.left, box.top, cellX + box.right, box.bottom},
                            i * list.imageWidth + (list.imageWidth - box.Width()) / 2,
                            (list.imageHeight - box.Height()) / 2);
    }
    return list;
}

} // namespace tikaroo
