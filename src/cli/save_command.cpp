#include "commands.h"
#include "open_game.h"

#include <exception>
#include <ostream>

namespace tikaroo::cli {

int RunSave(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << "usage: tikaroo-cli save IN OUT\n";
        return 2;
    }
    CGameRom rom;
    if (!OpenGame(args[0], rom, err)) return 1;
    try {
        rom.SaveRom(args[1]);
    } catch (const std::exception& error) {
        err << args[1] << ": " << error.what() << "\n";
        return 1;
    }
    out << "saved " << args[1] << "\n";
    return 0;
}

} // namespace tikaroo::cli
