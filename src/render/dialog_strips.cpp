#include "dialog_strips.h"

#include "rom/game_image.h"
#include "tile_drawing.h"

namespace tikaroo {

namespace {

constexpr std::size_t kSubPalettes = 4;

} // namespace

PictureBuffer TileStrip(std::span<const Tile> tiles, const std::vector<PaletteSet>& palettes,
                        std::size_t paletteNumber, bool allTiles) {
    if (tiles.size() != kPatternTableTiles || paletteNumber >= palettes.size()) return {};
    const std::size_t first = allTiles ? 0 : kBackgroundTileBase;
    const auto count = static_cast<std::int32_t>(kPatternTableTiles - first);
    PictureBuffer strip(count * kTileSize, static_cast<std::int32_t>(kSubPalettes) * kTileSize);
    for (std::size_t band = 0; band < kSubPalettes; ++band) {
        const SubPalette subPalette = SubPaletteOf(palettes[paletteNumber], static_cast<std::uint8_t>(band));
        for (std::int32_t i = 0; i < count; ++i) {
            DrawTile(strip, i * kTileSize, static_cast<std::int32_t>(band) * kTileSize,
                     tiles[first + static_cast<std::size_t>(i)], &subPalette, TileMode::Dialog);
        }
    }
    return strip;
}

PictureBuffer BlockStrip(std::span<const EditBlock> blocks, std::span<const Tile> tiles,
                         const std::vector<PaletteSet>& palettes, std::size_t paletteNumber) {
    const PictureBuffer tileStrip = TileStrip(tiles, palettes, paletteNumber, false);
    if (blocks.empty() || tileStrip.Empty()) return {};
    PictureBuffer strip(static_cast<std::int32_t>(blocks.size()) * kBlockSize, kBlockSize);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        for (std::size_t row = 0; row < 4; ++row) {
            for (std::size_t column = 0; column < 4; ++column) {
                const std::int32_t tile = blocks[i][4 * row + column];
                const std::int32_t p = blocks[i][kBlockTileCount + QuadrantAttributeEntry(row, column)] & 3;
                strip.CopyFrom(
                    tileStrip, {tile * kTileSize, p * kTileSize, (tile + 1) * kTileSize, (p + 1) * kTileSize},
                    static_cast<std::int32_t>(i) * kBlockSize + static_cast<std::int32_t>(column) * kTileSize,
                    static_cast<std::int32_t>(row) * kTileSize);
            }
        }
    }
    return strip;
}

PictureBuffer RoomStrip(std::span<const RoomGrid> rooms, const PictureBuffer& blockStrip) {
    PictureBuffer strip(static_cast<std::int32_t>(rooms.size()) * kRoomWidth, kRoomHeight);
    for (std::size_t room = 0; room < rooms.size(); ++room) DrawStripRoom(strip, rooms, blockStrip, room);
    return strip;
}

void DrawStripRoom(PictureBuffer& roomStrip, std::span<const RoomGrid> rooms, const PictureBuffer& blockStrip,
                   std::size_t room) {
    if (room >= rooms.size()) return;
    const auto left = static_cast<std::int32_t>(room) * kRoomWidth;
    roomStrip.FillRect({left, 0, left + kRoomWidth, kRoomHeight}, 0);
    for (std::size_t cell = 0; cell < rooms[room].size(); ++cell) {
        const std::int32_t block = rooms[room][cell];
        roomStrip.CopyFrom(blockStrip, {block * kBlockSize, 0, (block + 1) * kBlockSize, kBlockSize},
                           left + static_cast<std::int32_t>(cell % 4) * kBlockSize,
                           static_cast<std::int32_t>(cell / 4) * kBlockSize);
    }
}

void WriteBackPatternTable(CGameImage& image, std::span<const Tile> patternTable) {
    if (patternTable.size() != kPatternTableTiles) return;
    for (std::size_t k = 0; k < kPatternTableTiles; ++k) {
        const std::size_t index = image.ppuTileMap[k];
        if (index < image.allTiles.size()) image.allTiles[index] = patternTable[k];
    }
}

} // namespace tikaroo
