#pragma once

#include "game/model.h"
#include "picture_buffer.h"

#include <vector>

namespace tikaroo {

inline constexpr std::uint32_t kFloorColour = 0xFF00FF;      // a solid floor
inline constexpr std::uint32_t kSlideFloorColour = 0xFFFF00; // a slide floor, dash-dot-dot

using FloorLinePiece = std::vector<PicturePoint>;

// The polylines of floor geometry `floorGeom` for a room whose floor line starts at `start`.
std::vector<FloorLinePiece> FloorLinePieces(const LevelGeometryTables& geometry, std::uint8_t floorGeom,
                                            PicturePoint start);

void DrawFloorLine(PictureBuffer& picture, const LevelGeometryTables& geometry, const LevelRoom& room,
                   PicturePoint start);

} // namespace tikaroo
