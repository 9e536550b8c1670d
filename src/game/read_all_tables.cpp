#include "table_readers.h"

namespace tikaroo {

void ReadAllTables(CGameImage& image, GameTables& tables) {
    tables.ClearTables();
    ReadLevelGeometry(image, tables);
    ReadGameSettings(image, tables);
    ReadBonusArea(image, tables);
    ReadObjectTypes(image, tables);
    ReadLevels(image, tables);
    MarkGraphicSetUsage(tables);
    for (auto& [id, graphicSet] : tables.graphicSets) ReadGraphicSet(image, graphicSet);
    ReadPalettes(image, tables);
    if (image.loaded != 0) tables.view = ViewState{};
}

} // namespace tikaroo
