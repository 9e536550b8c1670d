#include "palette_zones.h"

namespace tikaroo {

namespace {

// An entry whose sub-palette number is 4 or more ends the modifier.
constexpr std::uint8_t kSubPaletteCount = 4;

} // namespace

std::vector<PaletteZone> BuildPaletteZones(const GameTables& tables, const Level& level) {
    PaletteZone running;
    running.colours.fill(0x0F);
    if (level.paletteSet < tables.paletteSets.size()) running.colours = tables.paletteSets[level.paletteSet];
    std::vector<PaletteZone> zones = {running};

    const auto updater = tables.paletteUpdaters.find(level.paletteUpdater);
    if (level.paletteUpdater == kNoPaletteUpdater || updater == tables.paletteUpdaters.end()) return zones;
    for (const PaletteModifier& modifier : updater->second.modifiers) {
        for (const PaletteAttribute& entry : modifier.entries) {
            if (entry[0] >= kSubPaletteCount) break;
            for (std::size_t i = 1; i < 4; ++i) running.colours[4u * entry[0] + i] = entry[i];
        }
        running.startRoom = modifier.key;
        zones.push_back(running);
    }
    return zones;
}

std::size_t ZoneOfRoom(const std::vector<PaletteZone>& zones, std::size_t room) {
    std::size_t zone = 0;
    for (std::size_t i = 1; i < zones.size(); ++i) {
        if (zones[i].startRoom <= room) zone = i;
    }
    return zone;
}

} // namespace tikaroo
