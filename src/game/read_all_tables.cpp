#include "table_readers.h"

namespace tikaroo {

void ReadAllTables(CGameImage& image, GameTables& tables) {
    // Clearing also resets the view state: level slot 0, not a bonus level, nothing selected.
    tables.ClearTables();
    ReadLevelGeometry(image, tables);
    ReadGameSettings(image, tables);
    ReadBonusArea(image, tables);
    ReadObjectTypes(image, tables);
    ReadLevels(image, tables);
    MarkGraphicSetUsage(tables);
    for (auto& [id, graphicSet] : tables.graphicSets) ReadGraphicSet(image, graphicSet);
    ReadPalettes(image, tables);
}

} // namespace tikaroo
