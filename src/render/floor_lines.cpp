#include "floor_lines.h"

#include "room_geometry.h"

#include <array>

namespace tikaroo {

namespace {

// Geometries 0-6 as corners relative to the line's start; geometry 1 has no line.
struct FloorShape {
    std::size_t count;
    std::array<PicturePoint, 4> corners;
};
constexpr std::array<FloorShape, floor_geom::kFirstGap> kFloorShapes = {{
    {2, {{{0, 0}, {128, 0}}}},
    {0, {}},
    {2, {{{0, 0}, {128, -32}}}},
    {2, {{{0, 0}, {128, 32}}}},
    {4, {{{0, 0}, {64, 0}, {64, -32}, {128, -32}}}},
    {4, {{{0, 0}, {64, 0}, {64, 32}, {128, 32}}}},
    {4, {{{0, 0}, {64, 0}, {64, 32}, {128, 32}}}},
}};

} // namespace

std::vector<FloorLinePiece> FloorLinePieces(const LevelGeometryTables& geometry, std::uint8_t floorGeom,
                                            PicturePoint start) {
    const auto at = [start](std::int32_t dx, std::int32_t dy) {
        return PicturePoint{start.x + dx, start.y + dy};
    };
    std::vector<FloorLinePiece> pieces;
    if (floorGeom < floor_geom::kFirstGap) {
        const FloorShape& shape = kFloorShapes[floorGeom];
        if (shape.count == 0) return pieces;
        FloorLinePiece& piece = pieces.emplace_back();
        for (std::size_t i = 0; i < shape.count; ++i)
            piece.push_back(at(shape.corners[i].x, shape.corners[i].y));
        return pieces;
    }
    // A gap: the floor stops at the gap start and goes on from the gap end.
    const std::size_t k =
        static_cast<std::size_t>(floorGeom - floor_geom::kFirstGap) % geometry.gapStartTable.size();
    const std::int32_t gapStart = geometry.gapStartTable[k];
    const std::int32_t gapEnd = geometry.gapEndTable[k];
    if (gapStart != 0) pieces.push_back({at(0, 0), at(gapStart, 0)});
    if (gapEnd < kRoomWidth) pieces.push_back({at(gapEnd, 0), at(kRoomWidth, 0)});
    return pieces;
}

void DrawFloorLine(PictureBuffer& picture, const LevelGeometryTables& geometry, const LevelRoom& room,
                   PicturePoint start) {
    const bool slide = room.slideFloor != 0;
    for (const FloorLinePiece& piece : FloorLinePieces(geometry, room.floorGeom, start)) {
        picture.DrawPolyline(piece, slide ? kSlideFloorColour : kFloorColour,
                             slide ? PenStyle::DashDotDot : PenStyle::Solid);
    }
}

} // namespace tikaroo
