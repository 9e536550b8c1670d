#include "level_set_edits.h"

#include "game_rom.h"

namespace tikaroo {

namespace {

std::uint8_t GraphicSetBits(std::uint8_t attributes) {
    return static_cast<std::uint8_t>((attributes & level_set_attributes::kGraphicSetMask) >>
                                     level_set_attributes::kGraphicSetShift);
}

} // namespace

std::optional<LevelSetSummary> CGameRom::CollectLevelSetSummary() const {
    if (!MainLevelShown()) return std::nullopt;
    LevelSetSummary summary;
    for (const auto& [id, set] : levelSets)
        summary[id] = {set.music, set.attributes, set.rooms.size() != kRoomsPerLevelSet};
    return summary;
}

bool CGameRom::UpdateLevelSet(std::uint8_t id, std::uint8_t music, std::uint8_t attributes) {
    const auto found = levelSets.find(id);
    if (!MainLevelShown() || found == levelSets.end() || GraphicSetBits(attributes) >= graphicSets.size())
        return false;
    LevelSet& set = found->second;
    set.music = music;
    // The rooms of a set name rooms of its graphic set, so that never changes here.
    set.attributes = static_cast<std::uint8_t>((attributes & ~level_set_attributes::kGraphicSetMask) |
                                               (set.attributes & level_set_attributes::kGraphicSetMask));
    return true;
}

std::optional<std::uint8_t> CGameRom::CreateLevelSet(std::uint8_t music, std::uint8_t attributes) {
    const auto graphics = graphicSets.find(GraphicSetBits(attributes));
    // Rooms of a graphic set without rooms or blocks could not be drawn or saved.
    if (!MainLevelShown() || levelSets.size() >= kMaxLevelSets || graphics == graphicSets.end() ||
        graphics->second.rooms.empty() || graphics->second.blocks.empty())
        return std::nullopt;
    std::uint8_t id = 0;
    while (levelSets.contains(id)) ++id;
    LevelSet& set = levelSets[id];
    set.id = id;
    set.music = music;
    set.attributes = attributes;
    set.tops.fill(kNewLevelSetTops);
    set.rooms.assign(kRoomsPerLevelSet, LevelRoom{});
    graphics->second.used = 1;
    return id;
}

} // namespace tikaroo
