#include "palette_zones.h"

#include "game/palette_modifiers.h"

namespace tikaroo {

std::vector<PaletteZone> BuildPaletteZones(const GameTables& tables, const Level& level) {
    PaletteZone running;
    running.colours.fill(kBackgroundColour);
    if (level.paletteSet < tables.paletteSets.size()) running.colours = tables.paletteSets[level.paletteSet];
    std::vector<PaletteZone> zones = {running};

    const auto updater = tables.paletteUpdaters.find(level.paletteUpdater);
    if (level.paletteUpdater == kNoPaletteUpdater || updater == tables.paletteUpdaters.end()) return zones;
    for (const PaletteModifier& modifier : updater->second.modifiers) {
        ApplyModifier(running.colours, modifier);
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
