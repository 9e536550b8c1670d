#include "object_markers.h"

#include "room_geometry.h"

#include <algorithm>

namespace tikaroo {

namespace {

constexpr std::int32_t kPositionGrid = 16;
constexpr std::int32_t kStepHeight = 32;
constexpr std::int32_t kHalfRoom = 64;
constexpr std::uint8_t kLetterTypeId = 65; // the letters take their offset from object type 65
constexpr std::int32_t kDotDiameter = 8;
constexpr std::int32_t kCellLeftOfPoint = 64;
constexpr std::int32_t kCellAbovePoint = 66;
constexpr std::int32_t kCellGridShift = 2;

// Descriptor byte 2 of an object type: its vertical offset.
std::int32_t TypeOffset(const GameTables& tables, std::int32_t id) {
    std::size_t type = 0;
    if (id > 0 && id < 64)
        type = static_cast<std::size_t>(id);
    else if (id >= kFirstLetterImage && id < kFirstLetterImage + 5)
        type = kLetterTypeId;
    else
        return 0;
    return type < tables.objectTypes.size() ? SignedByte(tables.objectTypes[type].descriptor[2]) : 0;
}

// The floor geometry's rise at position p (a multiple of 16) inside the room.
std::int32_t SlopeOffset(std::uint8_t floorGeom, std::int32_t p) {
    switch (floorGeom) {
    case floor_geom::kSlopeUp:
        return -p / 4;
    case floor_geom::kSlopeDown:
        return p / 4;
    case floor_geom::kStepUp:
        return p >= kHalfRoom ? -kStepHeight : 0;
    case floor_geom::kStepDown:
    case floor_geom::kStepDown + 1:
        return p >= kHalfRoom ? kStepHeight : 0;
    default:
        return 0;
    }
}

} // namespace

MarkerSheets MarkerSheetsOf(const PictureBuffer* normal, const PictureBuffer* selected) {
    MarkerSheets sheets;
    sheets.normal = normal != nullptr ? SpritesOf(*normal) : std::vector<MarkerSprite>(kMarkerCells);
    sheets.selected = selected != nullptr ? SpritesOf(*selected) : std::vector<MarkerSprite>(kMarkerCells);
    for (std::size_t s = 0; s < kMarkerCells; ++s)
        sheets.ink[s] = UnionOf(sheets.normal[s].ink, sheets.selected[s].ink);
    return sheets;
}

MarkerSpot PlaceMarker(const GameTables& tables, const LevelSet& levelSet, const LevelRoom& room,
                       const MarkerObject& object, std::int32_t objectsX, std::int32_t floorLine) {
    const std::int32_t id = object.id;
    const std::int32_t x = object.x;
    const bool oddColumn = (x / 8) % 2 == 1;
    const auto& constants = tables.objectImageConstants;
    MarkerSpot spot{id, x - objectsX, 0};

    std::int32_t o = TypeOffset(tables, id);
    o += SlopeOffset(room.floorGeom, (x % kRoomWidth) / kPositionGrid * kPositionGrid);
    switch (id) {
    case 9:
    case 10:
        if (oddColumn) o -= constants[static_cast<std::size_t>(id - 4)];
        break;
    case 11:
    case 38:
    case 39:
        o -= 104;
        break;
    case 15:
        if (oddColumn) o -= 24;
        break;
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
        o -= constants[static_cast<std::size_t>(id - 16)] + 16 * SignedNibble(room.fruitsHeight);
        break;
    case 24:
        o -= 32;
        break;
    case 56:
        o -= (object.param1 / 2) & 0x70;
        break;
    case 57:
        o -= 2 * object.param1;
        break;
    case 58:
    case 59:
    case 62:
    case 63:
        // Bridges: the level set's bridges tileset picks the picture.
        o -= 2 * SignedByte(static_cast<std::uint8_t>(object.param1 & 0xF8));
        spot.imageNumber = id + 16 * (levelSet.attributes & 7);
        break;
    default:
        break;
    }
    spot.y = floorLine + o;
    return spot;
}

namespace {

// The top-left corner of the marker's picture cell.
PicturePoint CellCorner(const MarkerSpot& spot) {
    return {(spot.x - kCellLeftOfPoint) / kPositionGrid * kPositionGrid - kCellGridShift,
            spot.y - kCellAbovePoint};
}

bool HasCell(std::int32_t imageNumber) {
    return imageNumber >= 0 && imageNumber < static_cast<std::int32_t>(kMarkerCells);
}

PictureRect DotArea(const MarkerSpot& spot) {
    const std::int32_t half = kDotDiameter / 2;
    return {spot.x - half, spot.y - half, spot.x + half, spot.y + half};
}

} // namespace

PictureRect MarkerArea(const MarkerSheets& sheets, const MarkerSpot& spot, bool dot) {
    PictureRect area;
    if (HasCell(spot.imageNumber)) {
        const PicturePoint corner = CellCorner(spot);
        const PictureRect ink = sheets.ink[static_cast<std::size_t>(spot.imageNumber)];
        if (!ink.Empty())
            area = {corner.x + ink.left, corner.y + ink.top, corner.x + ink.right, corner.y + ink.bottom};
    }
    return dot ? UnionOf(area, DotArea(spot)) : area;
}

void DrawMarker(PictureBuffer& picture, const MarkerSheets& sheets, const MarkerSpot& spot, bool selected,
                bool dot) {
    const std::vector<MarkerSprite>& sprites = selected ? sheets.selected : sheets.normal;
    if (HasCell(spot.imageNumber) && static_cast<std::size_t>(spot.imageNumber) < sprites.size()) {
        const PicturePoint corner = CellCorner(spot);
        DrawSprite(picture, sprites[static_cast<std::size_t>(spot.imageNumber)], corner.x, corner.y);
    }
    if (dot) picture.FillCircle({spot.x, spot.y}, kDotDiameter, kMarkerDotColour, 0);
}

} // namespace tikaroo
