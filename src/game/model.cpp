#include "model.h"

namespace tikaroo {

int SignedNibble(std::uint8_t nibble) {
    return nibble > 7 ? nibble - 16 : nibble;
}

// A failed load leaves nothing behind, settings included.
void GameTables::ClearTables() {
    *this = GameTables{};
}

} // namespace tikaroo
