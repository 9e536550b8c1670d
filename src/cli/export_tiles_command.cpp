#include "bank_option.h"
#include "commands.h"
#include "open_game.h"

#include "dialogs/tile_sheet_file.h"
#include "render/tile_drawing.h"
#include "render/tile_sheet.h"

#include <ostream>

namespace tikaroo::cli {

namespace {
const QCommandLineOption kPaletteSetOption(
    "palette-set", "The palette set P (1-16) whose sub-palette 0 colours the sheet; level 1-1's by default.",
    "P");
} // namespace

void DeclareExportTiles(QCommandLineParser& parser) {
    parser.addPositionalArgument("ROM", "The image to open.");
    parser.addPositionalArgument("SHEET", "The PNG tile sheet to write (or -o).", "[SHEET]");
    DeclareBankOption(parser);
    parser.addOption(kPaletteSetOption);
}

int RunExportTiles(const VerbCall& call) {
    const std::optional<std::size_t> bank = ChosenBank(call);
    if (!bank) return call.Usage();
    CGameRom rom;
    if (!OpenGame(call.Input(0), rom, call.err)) return kExitFailure;
    // The graphics manager starts with the palette set of the level shown, level 1-1 after an open.
    std::size_t paletteSet = rom.levels.empty() ? 0 : rom.levels[0].paletteSet;
    if (call.parser.isSet(kPaletteSetOption)) {
        bool number = false;
        const int chosen = call.parser.value(kPaletteSetOption).toInt(&number);
        if (!number || chosen < 1 || chosen > static_cast<int>(rom.paletteSets.size())) {
            call.err << "tikaroo-cli export-tiles: --palette-set must be a number from 1 to "
                     << rom.paletteSets.size() << "\n";
            return call.Usage();
        }
        paletteSet = static_cast<std::size_t>(chosen - 1);
    }
    const std::vector<Tile> tiles = rom.ExpandGraphicSets()->at(*bank).tiles;
    if (tiles.empty() || paletteSet >= rom.paletteSets.size()) {
        call.err << call.Input(0) << ": This bank is empty\n";
        return kExitFailure;
    }
    const std::string out = call.Output();
    if (!WritePngFile(DrawTileSheet(tiles, SubPaletteOf(rom.paletteSets[paletteSet], 0)),
                      QString::fromStdString(out))) {
        call.err << out << ": cannot be written\n";
        return kExitFailure;
    }
    call.out << "wrote " << out << "\n";
    return 0;
}

} // namespace tikaroo::cli
