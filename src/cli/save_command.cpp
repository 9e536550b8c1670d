#include "commands.h"
#include "open_game.h"

#include <exception>
#include <ostream>

namespace tikaroo::cli {

void DeclareSave(QCommandLineParser& parser) {
    parser.addPositionalArgument("IN", "The image to open.");
    parser.addPositionalArgument("OUT", "Where to save it (or -o).", "[OUT]");
}

int RunSave(const VerbCall& call) {
    const std::string out = call.Output();
    CGameRom rom;
    if (!OpenGame(call.Input(0), rom, call.err)) return kExitFailure;
    try {
        rom.SaveRom(out);
    } catch (const std::exception& error) {
        call.err << out << ": " << error.what() << "\n";
        return kExitFailure;
    }
    call.out << "saved " << out << "\n";
    return 0;
}

} // namespace tikaroo::cli
