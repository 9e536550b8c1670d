#include "commands.h"

#include "rom/load_image.h"
#include "rom/rom_error.h"

#include <ostream>

namespace tikaroo::cli {

void DeclareConvert(QCommandLineParser& parser) {
    parser.addPositionalArgument("IN", "The image to open.");
    parser.addPositionalArgument("OUT", "Where to write the expanded image (or -o).", "[OUT]");
}

int RunConvert(const VerbCall& call) {
    const std::string in = call.Input(0);
    const std::string out = call.Output();
    CGameImage image;
    try {
        LoadGameImage(image, in);
    } catch (const RomError& error) {
        call.err << in << ": " << error.what() << "\n";
        return kExitFailure;
    }
    if (image.SaveImage(out) == 0) {
        call.err << out << ": " << errors::kWriteError << "\n";
        return kExitFailure;
    }
    call.out << "wrote " << out << " (expanded layout)\n";
    return 0;
}

} // namespace tikaroo::cli
