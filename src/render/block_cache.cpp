#include "block_cache.h"

#include "chr_banks.h"
#include "game/level_lookup.h"
#include "palette_zones.h"
#include "tile_drawing.h"

#include <algorithm>

namespace tikaroo {

bool HasBossRow(std::size_t levelSlot) {
    return levelSlot % 4 == 3 || levelSlot == kBossSlot;
}

PictureRect CachedBlock(std::size_t zone, std::uint8_t block, bool boss) {
    const auto x = static_cast<std::int32_t>((zone * kBlockPlacesPerZone + block) * kBlockSize);
    const std::int32_t y = boss ? kBossRowY : 0;
    return {x, y, x + kBlockSize, y + kBlockSize};
}

namespace {

// Zones after the last one that a room number can fall in are never drawn from. An updater read from
// a damaged image can hold 256 modifiers, which would make the cache half a gigabyte.
std::size_t ZonesDrawn(const std::vector<PaletteZone>& zones) {
    std::size_t last = 0;
    for (std::size_t room = 0; room < kRoomsPerLevelSet; ++room)
        last = std::max(last, ZoneOfRoom(zones, room));
    return std::min(zones.size(), last + 1);
}

void DrawAllZones(PictureBuffer& cache, const CGameImage& image, const GraphicSet& graphicSet,
                  const std::vector<PaletteZone>& zones, std::size_t zonesDrawn, bool boss) {
    for (std::size_t zone = 0; zone < zonesDrawn; ++zone) {
        for (std::size_t block = 0; block < graphicSet.blocks.size() && block < kBlockPlacesPerZone;
             ++block) {
            const PictureRect place = CachedBlock(zone, static_cast<std::uint8_t>(block), boss);
            const BlockAttributes attributes =
                block < graphicSet.attributes.size() ? graphicSet.attributes[block] : BlockAttributes{};
            DrawBlock(cache, place.left, place.top, image, graphicSet.blocks[block], attributes,
                      &zones[zone].colours);
        }
    }
}

} // namespace

void BuildBlockCache(PictureBuffer& cache, CGameImage& image, const GameTables& tables,
                     const LevelSet& levelSet, std::size_t levelSlot, const std::vector<PaletteZone>& zones) {
    SelectChrBanks(image, LevelBankSet(levelSet.GraphicSetId()));
    const std::size_t zonesDrawn = ZonesDrawn(zones);
    cache.Clear(static_cast<std::int32_t>(zonesDrawn) * kBlockPlacesPerZone * kBlockSize, 2 * kBlockSize);
    const GraphicSet* graphicSet = GraphicSetOf(tables, levelSet);
    if (graphicSet == nullptr) return;
    DrawAllZones(cache, image, *graphicSet, zones, zonesDrawn, false);
    if (HasBossRow(levelSlot)) {
        SelectChrBanks(image, kBossBankSet);
        DrawAllZones(cache, image, *graphicSet, zones, zonesDrawn, true);
    }
}

} // namespace tikaroo
