#include "game_rom.h"

#include <algorithm>

namespace tikaroo {

void CGameRom::ReplaceTables(GameTables tables) {
    tables.objectTypes = std::move(objectTypes);
    tables.objectImageConstants = objectImageConstants;
    tables.geometry = geometry;
    tables.view = {};
    for (auto& [id, graphicSet] : tables.graphicSets) {
        graphicSet.used = 0;
        graphicSet.lastRoom =
            graphicSet.rooms.empty() ? 0 : static_cast<std::uint8_t>(graphicSet.rooms.size() - 1);
    }
    for (auto& [id, set] : tables.levelSets) {
        set.lastSetRoom = 0;
        for (const LevelRoom& room : set.rooms) set.lastSetRoom = std::max(set.lastSetRoom, room.setRoom);
        set.layout = {};
        const auto graphicSet = tables.graphicSets.find(set.GraphicSetId());
        if (graphicSet != tables.graphicSets.end()) graphicSet->second.used = 1;
    }
    static_cast<GameTables&>(*this) = std::move(tables);
}

} // namespace tikaroo
