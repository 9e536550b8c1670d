#include "block_cache.h"

#include "chr_banks.h"
#include "level_lookup.h"
#include "tile_drawing.h"

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

void DrawAllZones(PictureBuffer& cache, const CGameImage& image, const GraphicSet& graphicSet,
                  const std::vector<PaletteZone>& zones, bool boss) {
    for (std::size_t zone = 0; zone < zones.size(); ++zone) {
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

PictureBuffer BuildBlockCache(CGameImage& image, const GameTables& tables, const LevelSet& levelSet,
                              std::size_t levelSlot, const std::vector<PaletteZone>& zones) {
    SelectChrBanks(image, LevelBankSet(levelSet.GraphicSetId()));
    PictureBuffer cache(static_cast<std::int32_t>(zones.size()) * kBlockPlacesPerZone * kBlockSize,
                        2 * kBlockSize);
    const GraphicSet* graphicSet = GraphicSetOf(tables, levelSet);
    if (graphicSet == nullptr) return cache;
    DrawAllZones(cache, image, *graphicSet, zones, false);
    if (HasBossRow(levelSlot)) {
        SelectChrBanks(image, kBossBankSet);
        DrawAllZones(cache, image, *graphicSet, zones, true);
    }
    return cache;
}

} // namespace tikaroo
