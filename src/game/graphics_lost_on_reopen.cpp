#include "graphics_lost_on_reopen.h"

#include <algorithm>

namespace tikaroo {

namespace {

std::size_t HighestNamedRoom(const GameTables& tables, std::uint8_t graphicSetId) {
    std::size_t highest = 0;
    for (const auto& [id, levelSet] : tables.levelSets) {
        if (levelSet.GraphicSetId() != graphicSetId) continue;
        for (const LevelRoom& room : levelSet.rooms) highest = std::max<std::size_t>(highest, room.setRoom);
    }
    return highest;
}

std::string UnnamedRoomsLine(std::size_t first, std::size_t last) {
    if (first == last) {
        return "room #" + std::to_string(first + 1) +
               " is saved, but no level uses it; it will be gone when the ROM is opened again.";
    }
    return "rooms #" + std::to_string(first + 1) + "-#" + std::to_string(last + 1) +
           " are saved, but no level uses them; they will be gone when the ROM is opened again.";
}

} // namespace

std::vector<std::string> GraphicsLostOnReopen(const GameTables& tables) {
    std::vector<std::string> lines;
    for (const auto& [id, set] : tables.graphicSets) {
        const std::string name = "Graphic set #" + std::to_string(id + 1) + ": ";
        if (set.used == 0) {
            if (!set.rooms.empty() && !set.blocks.empty())
                lines.push_back(name +
                                "no level set uses it; its tiles are saved, its rooms and blocks are not.");
            continue;
        }
        const std::size_t named = HighestNamedRoom(tables, id);
        if (set.rooms.size() > named + 1)
            lines.push_back(name + UnnamedRoomsLine(named + 1, set.rooms.size() - 1));
    }
    return lines;
}

} // namespace tikaroo
