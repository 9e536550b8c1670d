#include "palettes_encoder.h"

#include "fixed_locations.h"
#include "renumber.h"
#include "table_encoding.h"
#include "table_writer.h"

#include <algorithm>
#include <set>

namespace tikaroo {

namespace {

using namespace encoding;

void RenumberUpdaters(GameTables& tables) {
    std::set<std::uint8_t> named;
    for (std::size_t slot = 0; slot < kLevelSlotCount; ++slot) {
        const std::uint8_t updater = tables.levels.at(slot).paletteUpdater;
        if (updater != kNoPaletteUpdater) named.insert(updater);
    }
    if (named.empty()) {
        // The game always reads updater 0; with none named it must still find an empty one there.
        tables.paletteUpdaters = {{0, PaletteUpdater{}}};
        return;
    }
    const auto newIds =
        DropUnusedAndRenumber(tables.paletteUpdaters, [&named](std::uint8_t id, const PaletteUpdater&) {
            return named.contains(id);
        });
    for (std::size_t slot = 0; slot < kLevelSlotCount; ++slot)
        FollowRenumbering(newIds, tables.levels.at(slot).paletteUpdater);
}

void WritePaletteSets(TableWriter& table, const std::vector<PaletteSet>& paletteSets) {
    constexpr std::size_t kSubPaletteSize = kStoredColoursPerSubPalette + 1;
    for (const PaletteSet& set : paletteSets)
        for (std::size_t colour = 0; colour < set.size(); ++colour)
            if (colour % kSubPaletteSize != 0) table.Byte(set[colour]);
}

// Modifiers in key order, each with its entry count, then the end byte.
void WriteUpdater(TableWriter& table, PaletteUpdater& updater) {
    std::stable_sort(
        updater.modifiers.begin(), updater.modifiers.end(),
        [](const PaletteModifier& left, const PaletteModifier& right) { return left.key < right.key; });
    for (PaletteModifier& modifier : updater.modifiers) {
        modifier.count = static_cast<std::uint8_t>(modifier.entries.size());
        table.Byte(modifier.key);
        table.Byte(modifier.count);
        for (const PaletteAttribute& entry : modifier.entries) table.Block(Bytes(entry.begin(), entry.end()));
    }
    table.Byte(kUpdaterEnd);
}

} // namespace

std::uint32_t EncodePalettes(CGameImage& image, GameTables& tables, std::uint32_t address) {
    image.MapBank(layout::kTablesBank);
    image.WriteBlock(image.Read16(layout::kOtherPalettesPtr),
                     Bytes(tables.otherPalettes.begin(), tables.otherPalettes.end()));
    RenumberUpdaters(tables);

    TableWriter table(image, address);
    image.Write16(layout::kLevelPalettesPtr, static_cast<std::uint16_t>(table.Address()));
    for (std::size_t slot = 0; slot < kLevelSlotCount; ++slot) {
        const Level& level = tables.levels.at(slot);
        table.Byte(static_cast<std::uint8_t>((level.paletteSet << 4) | (level.paletteUpdater & 0x0F)));
    }

    image.Write16(layout::kPaletteSetsPtr, static_cast<std::uint16_t>(table.Address()));
    WritePaletteSets(table, tables.paletteSets);

    const std::uint32_t lowBytes = table.Address();
    const std::uint32_t highBytes = lowBytes + static_cast<std::uint32_t>(tables.paletteUpdaters.size());
    image.Write16(layout::kPaletteUpdaterLowPtr, static_cast<std::uint16_t>(lowBytes));
    image.Write16(layout::kPaletteUpdaterHighPtr, static_cast<std::uint16_t>(highBytes));
    TableWriter updaters(image, highBytes + static_cast<std::uint32_t>(tables.paletteUpdaters.size()));
    for (auto& [id, updater] : tables.paletteUpdaters) {
        image.Write8(lowBytes + id, static_cast<std::uint8_t>(updaters.Address()));
        image.Write8(highBytes + id, static_cast<std::uint8_t>(updaters.Address() >> 8));
        WriteUpdater(updaters, updater);
    }
    return updaters.Address();
}

} // namespace tikaroo
