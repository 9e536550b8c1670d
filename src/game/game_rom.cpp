#include "game_rom.h"

#include "rom/load_image.h"

namespace tikaroo {

void CGameRom::LoadRom(const std::string& path) {
    try {
        if (!LoadGameImage(*this, path)) return;
        ClearTables();
        // The table readers decode every table of the image here, bank 0 mapped.
    } catch (...) {
        ClearTables();
        CloseRom();
        throw;
    }
}

} // namespace tikaroo
