#include "commands.h"

#include "rom/nes_rom.h"

#include <ostream>

namespace tikaroo::cli {

int RunInfo(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: tikaroo-cli info FILE\n";
        return 2;
    }
    CNesRom rom;
    if (rom.ReadRomFile(args[0]) == 0) {
        err << args[0] << ": " << ImageFaultText(rom.LastFault()) << "\n";
        return 1;
    }
    out << "file: " << rom.FileName() << "\n"
        << "mapper: " << static_cast<int>(rom.mapper) << "\n"
        << "PRG banks: " << rom.prgBanks.size() << " x 16 KB\n"
        << "CHR size: " << rom.chrData.size() << " bytes (" << rom.chrData.size() / kChrBankSize
        << " x 8 KB)\n"
        << "trainer: " << (rom.trainer.empty() ? "no" : "yes") << "\n"
        << "mirroring: " << (rom.VerticalMirroring() ? "vertical" : "horizontal") << "\n";
    return 0;
}

} // namespace tikaroo::cli
