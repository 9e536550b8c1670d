#include "dialog_pictures.h"

#include "dialog_strips.h"
#include "room_geometry.h"

namespace tikaroo {

namespace {
constexpr std::uint32_t kRoomOutline = 0xFFFFFF;
constexpr std::int32_t kMarkerCell = 128;
} // namespace

PictureBuffer RoomsMapPicture(const EditGraphicSet& set, const std::vector<PaletteSet>& palettes,
                              std::size_t paletteSet) {
    if (set.rooms.empty()) return {};
    PictureBuffer picture = RoomStrip(set.rooms, BlockStrip(set.blocks, set.tiles, palettes, paletteSet));
    for (std::int32_t left = 0; left < picture.Width(); left += kRoomWidth)
        picture.DrawRectangle({left, 0, left + kRoomWidth, kRoomHeight}, kRoomOutline);
    return picture;
}

PictureBuffer ObjectPicture(const PictureBuffer& sheet, std::int32_t imageNumber, std::uint32_t background) {
    PictureBuffer picture(kMarkerCell, kMarkerCell);
    picture.Fill(background);
    const std::int32_t left = imageNumber * kMarkerCell;
    picture.CopyKeyedFrom(sheet, {left, 0, left + kMarkerCell, kMarkerCell}, 0, 0);
    return picture;
}

} // namespace tikaroo
