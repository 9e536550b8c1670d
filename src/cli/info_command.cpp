#include "commands.h"

#include "game/game_rom.h"
#include "rom/load_image.h"
#include "rom/nes_rom.h"

#include <exception>
#include <ostream>

namespace tikaroo::cli {

namespace {

// What opening the file does with it, found by running the editor's own open, tables included.
std::string OpenVerdict(const std::string& path, RomLayout layout) {
    CGameRom rom;
    try {
        rom.LoadRom(path);
    } catch (const std::exception& error) {
        std::string verdict = std::string("refused: ") + error.what();
        if (layout == RomLayout::Unknown)
            verdict += " (neither mapper 4 with 8 or 16 PRG banks and 128 KB CHR, nor mapper 3 with 2 or 4 "
                       "PRG banks)";
        return verdict;
    }
    return layout == RomLayout::Original ? "converts it to the expanded layout" : "takes it as it is";
}

} // namespace

void DeclareInfo(QCommandLineParser& parser) {
    parser.addPositionalArgument("FILE", "The iNES image to look at.");
}

int RunInfo(const VerbCall& call) {
    const std::string path = call.Input(0);
    CNesRom rom;
    if (rom.ReadRomFile(path) == 0) {
        call.err << path << ": " << ImageFaultText(rom.LastFault()) << "\n";
        return kExitFailure;
    }
    const RomLayout layout = DetectLayout(rom);
    call.out << "file: " << rom.FileName() << "\n"
             << "mapper: " << static_cast<int>(rom.mapper) << "\n"
             << "PRG banks: " << rom.prgBanks.size() << " x 16 KB\n"
             << "CHR size: " << rom.chrData.size() << " bytes (" << rom.chrData.size() / kChrBankSize
             << " x 8 KB)\n"
             << "trainer: " << (rom.trainer.empty() ? "no" : "yes") << "\n"
             << "mirroring: " << (rom.VerticalMirroring() ? "vertical" : "horizontal") << "\n"
             << "layout: " << LayoutName(layout) << "\n"
             << "opening: " << OpenVerdict(path, layout) << "\n";
    return 0;
}

} // namespace tikaroo::cli
