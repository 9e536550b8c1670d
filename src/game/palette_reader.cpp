// Reads the other palettes, the palette sets and the palette updaters.
#include "fixed_locations.h"
#include "table_encoding.h"
#include "table_readers.h"

#include <algorithm>

namespace tikaroo {

namespace {

PaletteSet DecodePaletteSet(const Bytes& stored) {
    PaletteSet set{};
    for (std::size_t sub = 0; sub < set.size() / 4; ++sub) {
        set[4 * sub] = encoding::kPaletteBackground;
        for (std::size_t colour = 0; colour < encoding::kStoredColoursPerSubPalette; ++colour)
            set[4 * sub + 1 + colour] =
                stored[encoding::kStoredColoursPerSubPalette * sub + colour] % encoding::kNesColourCount;
    }
    return set;
}

// Modifiers until the end byte; a later modifier with a key already seen replaces the earlier one.
PaletteUpdater ReadPaletteUpdater(const CGameImage& image, std::uint32_t at) {
    std::map<std::uint8_t, PaletteModifier> byKey;
    Bytes bytes;
    while (image.Read8(at) != encoding::kUpdaterEnd) {
        const std::uint16_t word = image.Read16(at);
        at += 2;
        PaletteModifier modifier;
        modifier.key = static_cast<std::uint8_t>(word & 0xFF);
        modifier.count = static_cast<std::uint8_t>(word >> 8);
        for (std::size_t entry = 0; entry < modifier.count; ++entry) {
            image.ReadBlock(at, encoding::kPaletteAttributeSize, bytes);
            at += encoding::kPaletteAttributeSize;
            PaletteAttribute attribute{};
            std::copy(bytes.begin(), bytes.end(), attribute.begin());
            modifier.entries.push_back(attribute);
        }
        byKey[modifier.key] = std::move(modifier);
    }
    PaletteUpdater updater;
    for (auto& [key, modifier] : byKey) updater.modifiers.push_back(std::move(modifier));
    return updater;
}

// Only the 32 playable levels count; slot 32 and the bonus levels borrow from them.
std::uint8_t HighestUpdaterId(const GameTables& tables) {
    std::uint8_t highest = 0;
    for (std::size_t slot = 0; slot < kPlayableLevelCount && slot < tables.levels.size(); ++slot) {
        const std::uint8_t id = tables.levels[slot].paletteUpdater;
        if (id != kNoPaletteUpdater) highest = std::max(highest, id);
    }
    return highest;
}

} // namespace

void ReadPalettes(CGameImage& image, GameTables& tables) {
    image.MapBank(layout::kTablesBank);
    Bytes bytes;
    image.ReadBlock(image.Read16(layout::kOtherPalettesPtr), tables.otherPalettes.size(), bytes);
    std::copy(bytes.begin(), bytes.end(), tables.otherPalettes.begin());

    const std::uint32_t setsAt = image.Read16(layout::kPaletteSetsPtr);
    tables.paletteSets.clear();
    for (std::size_t set = 0; set < kPaletteSetCount; ++set) {
        image.ReadBlock(setsAt + static_cast<std::uint32_t>(encoding::kPaletteSetSize * set),
                        encoding::kPaletteSetSize, bytes);
        tables.paletteSets.push_back(DecodePaletteSet(bytes));
    }

    const std::uint32_t lowBytes = image.Read16(layout::kPaletteUpdaterLowPtr);
    const std::uint32_t highBytes = image.Read16(layout::kPaletteUpdaterHighPtr);
    tables.paletteUpdaters.clear();
    const std::uint8_t highest = HighestUpdaterId(tables);
    for (std::uint32_t id = 0; id <= highest; ++id) {
        const std::uint32_t at = image.Read8(highBytes + id) * 256U + image.Read8(lowBytes + id);
        tables.paletteUpdaters[static_cast<std::uint8_t>(id)] = ReadPaletteUpdater(image, at);
    }
}

} // namespace tikaroo
