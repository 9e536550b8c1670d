#include "commands.h"

#include "rom/load_image.h"
#include "rom/rom_error.h"

#include <ostream>

namespace tikaroo::cli {

int RunConvert(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << "usage: tikaroo-cli convert IN OUT\n";
        return 2;
    }
    CGameImage image;
    try {
        LoadGameImage(image, args[0]);
    } catch (const RomError& error) {
        err << args[0] << ": " << error.what() << "\n";
        return 1;
    }
    if (image.SaveImage(args[1]) == 0) {
        err << args[1] << ": " << errors::kWriteError << "\n";
        return 1;
    }
    out << "wrote " << args[1] << " (expanded layout)\n";
    return 0;
}

} // namespace tikaroo::cli
