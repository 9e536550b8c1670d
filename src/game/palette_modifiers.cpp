#include "palette_modifiers.h"

#include <algorithm>

namespace tikaroo {

namespace {

void SetRow(PaletteGrid& grid, const PaletteAttribute& entry) {
    grid[kSubPaletteSize * entry[0]] = kBackgroundColour;
    std::copy(entry.begin() + 1, entry.end(),
              grid.begin() + static_cast<std::ptrdiff_t>(kSubPaletteSize * entry[0] + 1));
}

} // namespace

PaletteGrid ModifierGrid(const PaletteModifier& modifier) {
    PaletteGrid grid;
    grid.fill(kUnsetColour);
    for (const PaletteAttribute& entry : modifier.entries)
        if (entry[0] < kSubPalettes) SetRow(grid, entry);
    return grid;
}

bool GridRowSet(const PaletteGrid& grid, std::size_t row) {
    return grid[kSubPaletteSize * row] < kUnsetColour;
}

PaletteModifier GridModifier(std::uint8_t key, const PaletteGrid& grid) {
    PaletteModifier modifier;
    modifier.key = key;
    for (std::size_t row = 0; row < kSubPalettes; ++row) {
        if (!GridRowSet(grid, row)) continue;
        const auto* colours = &grid[kSubPaletteSize * row];
        modifier.entries.push_back({static_cast<std::uint8_t>(row), colours[1], colours[2], colours[3]});
    }
    modifier.count = static_cast<std::uint8_t>(modifier.entries.size());
    return modifier;
}

void ApplyModifier(PaletteGrid& colours, const PaletteModifier& modifier) {
    for (const PaletteAttribute& entry : modifier.entries) {
        if (entry[0] >= kSubPalettes) break;
        SetRow(colours, entry);
    }
}

std::optional<std::size_t> FindModifier(const PaletteUpdater& updater, std::uint8_t room) {
    const auto found = std::find_if(updater.modifiers.begin(), updater.modifiers.end(),
                                    [room](const PaletteModifier& modifier) { return modifier.key == room; });
    if (found == updater.modifiers.end()) return std::nullopt;
    return static_cast<std::size_t>(found - updater.modifiers.begin());
}

void PutModifier(PaletteUpdater& updater, PaletteModifier modifier) {
    if (const auto same = FindModifier(updater, modifier.key)) {
        updater.modifiers[*same] = std::move(modifier);
        return;
    }
    const auto later =
        std::find_if(updater.modifiers.begin(), updater.modifiers.end(),
                     [&modifier](const PaletteModifier& other) { return other.key > modifier.key; });
    updater.modifiers.insert(later, std::move(modifier));
}

RoomEffects UpdaterRoomEffects(const PaletteUpdater& updater) {
    RoomEffects effects;
    for (RoomEffect& effect : effects) effect.colours.fill(kUnsetColour);
    for (std::size_t index = 0; index < updater.modifiers.size(); ++index) {
        const PaletteModifier& modifier = updater.modifiers[index];
        if (modifier.key >= kUpdaterRooms) continue;
        effects[modifier.key].modifier = index;
        for (std::size_t room = modifier.key; room < kUpdaterRooms; ++room)
            ApplyModifier(effects[room].colours, modifier);
    }
    return effects;
}

} // namespace tikaroo
