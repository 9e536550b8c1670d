#pragma once

#include "game/model.h"
#include "picture_buffer.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tikaroo {

inline constexpr std::int32_t kMarkerCell = 128;
inline constexpr std::size_t kMarkerCells = 256;

// The marker pictures: cell s (128x128 at x = 128s) holds image number s; the key colour is
// transparent. `ink` is the part of each cell that is not key colour in either sheet (cell-relative),
// so that drawing a marker touches no more than its picture.
struct MarkerSheets {
    const PictureBuffer* normal = nullptr;
    const PictureBuffer* selected = nullptr;
    std::array<PictureRect, kMarkerCells> ink{};
};

// The sheets must outlive the result.
MarkerSheets MarkerSheetsOf(const PictureBuffer* normal, const PictureBuffer* selected);
inline constexpr std::uint8_t kFirstLetterImage = 'A'; // the area letters A-E are images 65-69
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

// The picture cell (on a 16-pixel grid) and the optional yellow dot on the marker's point; returns
// the area the marker covers.
PictureRect DrawMarker(PictureBuffer& overlay, const MarkerSheets& sheets, const MarkerSpot& spot,
                       bool selected, bool dot);

} // namespace tikaroo
