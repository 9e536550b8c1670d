#include "check_support.h"
#include "fuzz_checks.h"

#include "game/graphics_lost_on_reopen.h"

#include <vector>

namespace tikaroo::fuzz {

namespace {

// What the rooms of every level set show through the expanded sets: the blocks of each room's grid.
std::vector<EditBlock> ShownBlocks(const GameTables& tables, const EditGraphicSets& sets) {
    std::vector<EditBlock> shown;
    for (const auto& [id, levelSet] : tables.levelSets) {
        if (levelSet.GraphicSetId() >= sets.size()) continue;
        const EditGraphicSet& set = sets[levelSet.GraphicSetId()];
        for (const LevelRoom& room : levelSet.rooms) {
            if (room.setRoom >= set.rooms.size())
                throw Finding{"a level room names no room of its graphic set"};
            for (const std::uint8_t block : set.rooms[room.setRoom])
                shown.push_back(block < set.blocks.size() ? set.blocks[block] : EditBlock{});
        }
    }
    return shown;
}

} // namespace

void ApplyGraphicSetsUnchanged(CGameRom& rom) {
    const std::optional<EditGraphicSets> before = rom.ExpandGraphicSets();
    if (!before) throw Finding{"the graphic sets of the first level do not expand"};
    const std::vector<EditBlock> shownBefore = ShownBlocks(rom, *before);
    if (!rom.ApplyGraphicSets(*before)) throw Finding{"the expanded graphic sets are not taken back"};
    const std::optional<EditGraphicSets> after = rom.ExpandGraphicSets();
    if (ShownBlocks(rom, *after) != shownBefore)
        throw Finding{"applying the graphic sets unchanged changed what a level shows"};
    for (std::size_t id = 0; id < before->size(); ++id)
        if ((*after)[id].tiles != (*before)[id].tiles)
            throw Finding{"applying the graphic sets changed tiles"};
    if (GraphicsLostOnReopen(rom).empty()) {
        SaveAndReopen(rom);
        return;
    }
    // Set rooms past the last one a level names are not read back (the editor says so before saving):
    // once saved and opened again, the rest must read back as saved.
    if (!SaveChecked(rom, ScratchPath("applied"))) return;
    CGameRom reopened;
    OpenSaved(reopened, ScratchPath("applied"));
    SaveAndReopen(reopened);
}

} // namespace tikaroo::fuzz
