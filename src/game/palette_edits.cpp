// The model side of the palette editors.
#include "game_rom.h"

#include <algorithm>
#include <cstring>

namespace tikaroo {

bool CGameRom::MainLevelShown() const {
    return loaded != 0 && !view.bonusMode;
}

bool CGameRom::SetPaletteSets(const std::vector<PaletteSet>& sets) {
    if (!MainLevelShown() || sets.size() != paletteSets.size()) return false;
    paletteSets = sets;
    return true;
}

std::optional<CGameRom::OtherPaletteList> CGameRom::GetOtherPalettes() const {
    if (!MainLevelShown()) return std::nullopt;
    OtherPaletteList palettes;
    std::memcpy(palettes.data(), otherPalettes.data(), otherPalettes.size());
    return palettes;
}

bool CGameRom::SetOtherPalettes(const OtherPaletteList& palettes) {
    if (!MainLevelShown()) return false;
    std::memcpy(otherPalettes.data(), palettes.data(), otherPalettes.size());
    return true;
}

std::optional<std::vector<PaletteUpdater>> CGameRom::PaletteUpdaterList() const {
    if (!MainLevelShown()) return std::nullopt;
    std::vector<PaletteUpdater> list;
    for (const auto& [id, updater] : paletteUpdaters) {
        list.resize(id, PaletteUpdater{}); // ids are dense after a load or a save; a gap stays empty
        list.push_back(updater);
    }
    return list;
}

bool CGameRom::SetPaletteUpdaters(const std::vector<PaletteUpdater>& updaters) {
    if (!MainLevelShown() || updaters.size() > kNoPaletteUpdater) return false;
    paletteUpdaters.clear();
    for (std::size_t id = 0; id < updaters.size(); ++id)
        paletteUpdaters[static_cast<std::uint8_t>(id)] = updaters[id];
    for (std::size_t slot = 0; slot < std::min(levels.size(), kLevelSlotCount); ++slot) {
        std::uint8_t& id = levels[slot].paletteUpdater;
        if (id != kNoPaletteUpdater && !paletteUpdaters.contains(id)) id = kNoPaletteUpdater;
    }
    return true;
}

} // namespace tikaroo
