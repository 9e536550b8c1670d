#include "commands.h"
#include "open_game.h"
#include "save_game.h"

namespace tikaroo::cli {

void DeclareSave(QCommandLineParser& parser) {
    parser.addPositionalArgument("IN", "The image to open.");
    parser.addPositionalArgument("OUT", "Where to save it (or -o).", "[OUT]");
}

int RunSave(const VerbCall& call) {
    CGameRom rom;
    if (!OpenGame(call.Input(0), rom, call.err)) return kExitFailure;
    return SaveGame(rom, call.Output(), call.out, call.err) ? 0 : kExitFailure;
}

} // namespace tikaroo::cli
