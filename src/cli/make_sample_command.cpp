#include "commands.h"

#include "rom/file_io.h"
#include "sample_game.h"

#include <ostream>

namespace tikaroo::cli {

void DeclareMakeSample(QCommandLineParser& parser) {
    parser.addPositionalArgument("OUT", "Where to write the sample image (or -o).", "[OUT.nes]");
}

int RunMakeSample(const VerbCall& call) {
    const std::string out = call.Output();
    const Bytes file = sample::MakeSampleGame().file;
    if (!WriteFileAtomically(out, file)) {
        call.err << out << ": cannot write the sample image\n";
        return kExitFailure;
    }
    call.out << "wrote " << file.size() << " bytes to " << out << "\n";
    return 0;
}

} // namespace tikaroo::cli
