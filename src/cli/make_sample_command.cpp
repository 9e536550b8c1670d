#include "commands.h"

#include "sample_game.h"

#include <fstream>
#include <ostream>

namespace tikaroo::cli {

int RunMakeSample(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: tikaroo-cli make-sample OUT.nes\n";
        return 2;
    }
    const Bytes file = sample::MakeSampleGame().file;
    std::ofstream stream(args[0], std::ios::binary | std::ios::trunc);
    stream.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    stream.close();
    if (!stream) {
        err << args[0] << ": cannot write the sample image\n";
        return 1;
    }
    out << "wrote " << file.size() << " bytes to " << args[0] << "\n";
    return 0;
}

} // namespace tikaroo::cli
