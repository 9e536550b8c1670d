#pragma once

#include "game/edit_graphic_set.h"
#include "game/model.h"
#include "picture_buffer.h"
#include "rom/tile.h"
#include "room_geometry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tikaroo {

class CGameImage;

inline constexpr std::size_t kPatternTableTiles = 512;

// Four rows of 8 pixels, row k drawn with sub-palette k of palettes[paletteNumber]: the background
// tiles 256-511 (2048 wide), or all 512 tiles (4096 wide) with `allTiles`. Empty unless `tiles` holds
// 512 tiles and the palette number is in the list.
PictureBuffer TileStrip(std::span<const Tile> tiles, const std::vector<PaletteSet>& palettes,
                        std::size_t paletteNumber, bool allTiles);

// Block i at x = 32i, its tiles taken from a background tile strip by their quadrant's palette number.
PictureBuffer BlockStrip(std::span<const EditBlock> blocks, std::span<const Tile> tiles,
                         const std::vector<PaletteSet>& palettes, std::size_t paletteNumber);

// Room i at x = 128i, 352 high, its blocks copied from a block strip.
PictureBuffer RoomStrip(std::span<const RoomGrid> rooms, const PictureBuffer& blockStrip);
// Redraws only room `room` of a room strip; a room outside the list draws nothing.
void DrawStripRoom(PictureBuffer& roomStrip, std::span<const RoomGrid> rooms, const PictureBuffer& blockStrip,
                   std::size_t room);

// Stores the 512 tiles of a pattern table into the decoded CHR through the PPU tile map; any other
// count changes nothing.
void WriteBackPatternTable(CGameImage& image, std::span<const Tile> patternTable);

} // namespace tikaroo
