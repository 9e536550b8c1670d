#pragma once

#include "game/model.h"
#include "marker_sprites.h"
#include "picture_buffer.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tikaroo {

// The marker pictures: cell s (128x128 at x = 128s) of a sheet holds image number s; the key colour is
// transparent. Kept as sprites of both sheets, with the part of each cell that either of them inks.
struct MarkerSheets {
    std::vector<MarkerSprite> normal;
    std::vector<MarkerSprite> selected;
    std::array<PictureRect, kMarkerCells> ink{};
};

// Either sheet may be absent (its markers then show nothing).
MarkerSheets MarkerSheetsOf(const PictureBuffer* normal, const PictureBuffer* selected);
inline constexpr std::uint8_t kFirstLetterImage = kFirstLetterPicture; // the area letters A-E
inline constexpr std::uint32_t kMarkerDotColour = 0xFFFF00;

// What a marker shows and where: its sheet cell, and the canvas point it stands on.
struct MarkerSpot {
    std::int32_t imageNumber = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// What the placement reads of a marker's object (an area letter is id 65-69 at the room's x).
struct MarkerObject {
    std::int32_t id = 0;
    std::int32_t x = 0; // level x in pixels
    std::uint8_t param1 = 0;
};

// Places the marker of `object` in `room`, whose floor line stands at `floorLine`; `objectsX` is the
// level x of the canvas's left edge.
MarkerSpot PlaceMarker(const GameTables& tables, const LevelSet& levelSet, const LevelRoom& room,
                       const MarkerObject& object, std::int32_t objectsX, std::int32_t floorLine);

// The area that DrawMarker may change: the inked part of the cell and the dot.
PictureRect MarkerArea(const MarkerSheets& sheets, const MarkerSpot& spot, bool dot);

// The picture cell, placed on a 16-pixel grid left of and above the marker's point (key colour left
// out), and with `dot` a yellow dot on the point.
void DrawMarker(PictureBuffer& picture, const MarkerSheets& sheets, const MarkerSpot& spot, bool selected,
                bool dot);

} // namespace tikaroo
