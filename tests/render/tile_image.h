#pragma once

#include "rom/game_image.h"

#include <cstddef>
#include <cstdint>

namespace tikaroo::test {

inline constexpr std::size_t kAllChrTiles = 8192; // 128 KB of CHR

// A game image with every CHR tile decoded as blank, banks not yet selected.
CGameImage BlankTileImage();

Tile SolidTile(std::uint8_t value);

} // namespace tikaroo::test
