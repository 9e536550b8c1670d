#pragma once

#include "game/model.h"
#include "picture_buffer.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tikaroo {

class CGameImage;

// The block cache holds every block of the level's graphic set drawn once per palette zone: zone z
// reserves 256 block places of 32x32 from x = z x 8192; row y = 0 uses the level's CHR banks and
// row y = 32 (the boss row) the boss banks.
inline constexpr std::int32_t kBlockPlacesPerZone = 256;
inline constexpr std::int32_t kBossRowY = 32;

// Round-4 levels and the hidden slot 32 meet the boss.
bool HasBossRow(std::size_t levelSlot);

PictureRect CachedBlock(std::size_t zone, std::uint8_t block, bool boss);

// Draws the blocks of the graphic set of `levelSet` with every zone up to the last one a room number
// can fall in; the CHR banks keep the last set selected.
void BuildBlockCache(PictureBuffer& cache, CGameImage& image, const GameTables& tables,
                     const LevelSet& levelSet, std::size_t levelSlot, const std::vector<PaletteZone>& zones);

} // namespace tikaroo
