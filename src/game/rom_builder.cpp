#include "rom_builder.h"

#include "fixed_locations.h"
#include "fixed_settings_writer.h"
#include "graphic_sets_encoder.h"
#include "level_sets_encoder.h"
#include "objects_encoder.h"
#include "palettes_encoder.h"
#include "rom/rom_error.h"
#include "save_layout.h"

namespace tikaroo {

namespace {

// The egg values stay in their table; each slot marks the level set it plays as used.
void WriteLevelTableB(CGameImage& image, GameTables& tables) {
    const CpuPtr eggValues = image.Read16(layout::kEggValuesPtr);
    for (std::size_t slot = 0; slot < kLevelSlotCount; ++slot) {
        const Level& level = tables.levels.at(slot);
        image.Write8(eggValues + static_cast<std::uint32_t>(slot), level.eggValues);
        if (const auto set = tables.levelSets.find(level.levelSet); set != tables.levelSets.end())
            set->second.used = 1;
    }
}

void FillFreeRest(CGameImage& image, std::uint32_t tableAreaEnd) {
    if (tableAreaEnd > layout::kTableAreaLimit) throw RomError(errors::kNotEnoughMemory);
    image.WriteBlock(tableAreaEnd, Bytes(layout::kTableAreaLimit - tableAreaEnd, layout::kFreeFill));
}

} // namespace

void BuildImage(CGameImage& image, GameTables& tables) {
    image.MapBank(layout::kTablesBank);
    for (auto& entry : tables.levelSets) entry.second.used = 0;
    WriteFixedSettings(image, tables.gameSettings, tables.bonusArea);
    WriteLevelTableB(image, tables);
    std::uint32_t address = EncodeObjects(image, tables);
    address = EncodeLevelSets(image, tables, address);
    address = EncodePalettes(image, tables, address);
    address = EncodeGraphicSets(image, tables, address);
    FillFreeRest(image, address);
}

void SaveGameImage(CGameImage& image, GameTables& tables, const std::string& path) {
    if (image.loaded == 0) return;
    CGameImage snapshot = image;
    try {
        BuildImage(image, tables);
    } catch (const std::exception& failure) {
        image = std::move(snapshot);
        throw RomError(failure.what());
    }
    if (image.SaveImage(path) == 0) throw RomError(errors::kWriteError);
}

} // namespace tikaroo
