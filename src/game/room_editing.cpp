// The rooms of the current level as the canvas edits them.
#include "game_rom.h"
#include "level_lookup.h"
#include "room_fields.h"

namespace tikaroo {

LevelRoom CGameRom::ReadRoom(std::size_t room) const {
    const Level* level = ShownLevel(*this);
    const LevelSet* levelSet = level != nullptr ? LevelSetOf(*this, *level) : nullptr;
    if (view.bonusMode || levelSet == nullptr || room >= levelSet->rooms.size()) return {};
    return levelSet->rooms[room];
}

bool CGameRom::StoreRoom(std::size_t room, const LevelRoom& fields) {
    const Level* level = ShownLevel(*this);
    LevelSet* levelSet = level != nullptr ? LevelSetOf(*this, *level) : nullptr;
    if (loaded == 0 || view.bonusMode || levelSet == nullptr || room >= levelSet->rooms.size()) return false;
    const GraphicSet* graphicSet = GraphicSetOf(*this, *levelSet);
    levelSet->rooms[room] = NormaliseRoom(fields, graphicSet != nullptr ? graphicSet->rooms.size() : 0);
    return true;
}

} // namespace tikaroo
