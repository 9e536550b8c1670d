#pragma once

#include "game/model.h"
#include "render/picture_buffer.h"
#include "rom/game_image.h"

#include <cstddef>
#include <cstdint>

namespace tikaroo::test {

// A small game for the level renderer: graphic set 0 with one set room whose upper half is block 1
// (solid colour 1) and lower half block 0 (blank); level slot 0 plays level set 0 of `rooms`
// rooms with tops 0xB0; 72 object types with offset 0; flat geometry tables.
struct RenderScene {
    CGameImage image;
    GameTables tables;

    explicit RenderScene(std::size_t rooms = 4);

    LevelSet& Set() { return tables.levelSets.at(0); }
    Level& ShownLevel() { return tables.levels.at(tables.view.currentLevel); }
};

// Marker sheets whose cell s shows a 16x16 square of colour 0x010000 x s + `tint` at (56, 56) of the
// cell, key colour elsewhere.
PictureBuffer MakeMarkerSheet(std::uint32_t tint);
std::uint32_t MarkerSquareColour(std::int32_t imageNumber, std::uint32_t tint);

} // namespace tikaroo::test
