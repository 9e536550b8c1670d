#include "tile_image.h"

namespace tikaroo::test {

CGameImage BlankTileImage() {
    CGameImage image;
    image.allTiles.assign(kAllChrTiles, Tile{});
    return image;
}

Tile SolidTile(std::uint8_t value) {
    Tile tile;
    tile.fill(value);
    return tile;
}

} // namespace tikaroo::test
