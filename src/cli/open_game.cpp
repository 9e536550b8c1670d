#include "open_game.h"

#include <exception>
#include <ostream>

namespace tikaroo::cli {

bool OpenGame(const std::string& path, CGameRom& rom, std::ostream& err) {
    try {
        rom.LoadRom(path);
    } catch (const std::exception& error) {
        err << path << ": " << error.what() << "\n";
        return false;
    }
    if (rom.loaded == 0) {
        err << path << ": the image could not be brought into the expanded layout\n";
        return false;
    }
    return true;
}

} // namespace tikaroo::cli
