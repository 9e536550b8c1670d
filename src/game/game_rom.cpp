#include "game_rom.h"

#include "rom/load_image.h"
#include "rom_builder.h"
#include "table_readers.h"

namespace tikaroo {

void CGameRom::LoadRom(const std::string& path) {
    try {
        if (!LoadGameImage(*this, path)) return;
        ReadAllTables(*this, *this);
    } catch (...) {
        ClearTables();
        CloseRom();
        throw;
    }
}

void CGameRom::SaveRom(const std::string& path) {
    SortObjectsLists();
    SaveGameImage(*this, *this, path);
}

} // namespace tikaroo
