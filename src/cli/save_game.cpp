#include "save_game.h"

#include "game/graphics_lost_on_reopen.h"

#include <exception>
#include <ostream>

namespace tikaroo::cli {

bool SaveGame(CGameRom& rom, const std::string& path, std::ostream& out, std::ostream& err) {
    try {
        rom.SaveRom(path);
    } catch (const std::exception& error) {
        err << path << ": " << error.what() << "\n";
        return false;
    }
    out << "saved " << path << "\n";
    for (const std::string& line : GraphicsLostOnReopen(rom)) err << "warning: " << line << "\n";
    return true;
}

} // namespace tikaroo::cli
