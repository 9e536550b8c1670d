#include "commands.h"

#include "rom/load_image.h"
#include "rom/nes_rom.h"
#include "rom/rom_error.h"

#include <ostream>

namespace tikaroo::cli {

namespace {

// What opening the file does with it, found by running the load itself.
std::string OpenVerdict(const std::string& path, RomLayout layout) {
    CGameImage image;
    try {
        LoadGameImage(image, path);
    } catch (const RomError& error) {
        std::string verdict = std::string("refused: ") + error.what();
        if (layout == RomLayout::Unknown)
            verdict += " (neither mapper 4 with 8 or 16 PRG banks and 128 KB CHR, nor mapper 3 with 2 or 4 "
                       "PRG banks)";
        return verdict;
    }
    return layout == RomLayout::Original ? "converts it to the expanded layout" : "takes it as it is";
}

} // namespace

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
    const RomLayout layout = DetectLayout(rom);
    out << "file: " << rom.FileName() << "\n"
        << "mapper: " << static_cast<int>(rom.mapper) << "\n"
        << "PRG banks: " << rom.prgBanks.size() << " x 16 KB\n"
        << "CHR size: " << rom.chrData.size() << " bytes (" << rom.chrData.size() / kChrBankSize
        << " x 8 KB)\n"
        << "trainer: " << (rom.trainer.empty() ? "no" : "yes") << "\n"
        << "mirroring: " << (rom.VerticalMirroring() ? "vertical" : "horizontal") << "\n"
        << "layout: " << LayoutName(layout) << "\n"
        << "opening: " << OpenVerdict(args[0], layout) << "\n";
    return 0;
}

} // namespace tikaroo::cli
