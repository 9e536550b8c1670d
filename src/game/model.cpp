#include "model.h"

namespace tikaroo {

int SignedNibble(std::uint8_t nibble) {
    return nibble > 7 ? nibble - 16 : nibble;
}

void GameTables::ClearTables() {
    graphicSets.clear();
    levelSets.clear();
    levels.clear();
    bonusLevels.clear();
    paletteUpdaters.clear();
    paletteSets.clear();
    objectTypes.clear();
    view = ViewState{};
}

} // namespace tikaroo
