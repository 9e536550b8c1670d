#include "picture_writer.h"

#include "game/level_lookup.h"
#include "render/room_geometry.h"
#include "render/room_layout.h"
#include "rom/file_io.h"

#include <exception>

namespace tikaroo::cli {

CPictureWriter::CPictureWriter(const CGameRom& rom, const MarkerSheetSet& sheets, PictureSettings settings)
    : rom_(rom), settings_(settings) {
    renderer_.SetMarkerSheets(&sheets.markerSheet, &sheets.selectedMarkerSheet);
}

PictureOutcome CPictureWriter::Write(const PictureTarget& target) {
    using enum PictureOutcome::Result;
    try {
        SelectLevel(rom_, target.choice);
    } catch (const std::exception& error) {
        return {NotSelected, error.what(), false};
    }
    try {
        if (settings_.map)
            renderer_.PrepareLevel(rom_, rom_);
        else
            renderer_.SelectLevel(rom_, rom_);
        EncodePng(settings_.map ? MapView() : renderer_.Canvas().View(), settings_.png, png_);
    } catch (const std::exception& error) {
        return {NotDrawn, error.what(), false};
    }
    if (png_.empty() || !WriteFileAtomically(target.path, png_)) return {NotWritten, {}, false};
    return {Written, {}, !settings_.map && renderer_.DrawnCut()};
}

PictureView CPictureWriter::MapView() const {
    const Level* level = ShownLevel(rom_);
    const LevelSet* levelSet = level != nullptr ? LevelSetOf(rom_, *level) : nullptr;
    if (levelSet == nullptr) return {};
    const ShownRooms shown = RoomsShown(rom_, *levelSet);
    const auto left = static_cast<std::int32_t>(shown.first) * kRoomWidth;
    const auto width = static_cast<std::int32_t>(shown.count) * kRoomWidth;
    const PictureBuffer& picture = renderer_.LevelPicture();
    return picture.View({left, 0, left + width, picture.Height()});
}

} // namespace tikaroo::cli
