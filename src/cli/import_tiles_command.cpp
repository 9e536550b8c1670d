#include "bank_option.h"
#include "commands.h"
#include "open_game.h"
#include "save_game.h"

#include "dialogs/tile_sheet_file.h"
#include "render/tile_sheet.h"

#include <QRegularExpression>

#include <ostream>

namespace tikaroo::cli {

namespace {

const QCommandLineOption kAssignOption(
    "assign",
    "Which colour becomes which pixel value: four digits 0-3 for the left half, a colon and four for the "
    "right half; digit v names the colour (in ascending 0xRRGGBB order) that becomes value v. Default "
    "0123:0123.",
    "LEFT:RIGHT", "0123:0123");

std::optional<SheetAssignment> ParseAssignment(const QString& text) {
    const QRegularExpressionMatch match = QRegularExpression("^([0-3]{4}):([0-3]{4})$").match(text);
    if (!match.hasMatch()) return std::nullopt;
    SheetAssignment assignment{};
    for (std::size_t half = 0; half < kSheetHalves; ++half) {
        const QString digits = match.captured(static_cast<int>(half) + 1);
        for (std::size_t v = 0; v < 4; ++v)
            assignment[half][v] = static_cast<std::uint8_t>(digits[static_cast<qsizetype>(v)].digitValue());
    }
    return assignment;
}

} // namespace

void DeclareImportTiles(QCommandLineParser& parser) {
    parser.addPositionalArgument("ROM", "The image to open.");
    parser.addPositionalArgument("SHEET",
                                 "The tile sheet: 256x128, four colours in each half, any picture format.");
    parser.addPositionalArgument("OUT", "Where to save the image (or -o).", "[OUT]");
    DeclareBankOption(parser);
    parser.addOption(kAssignOption);
}

int RunImportTiles(const VerbCall& call) {
    const std::optional<std::size_t> bank = ChosenBank(call);
    const std::optional<SheetAssignment> assignment = ParseAssignment(call.parser.value(kAssignOption));
    if (!assignment)
        call.err << "tikaroo-cli import-tiles: --assign takes LEFT:RIGHT, four digits 0-3 each\n";
    if (!bank || !assignment) return call.Usage();
    CGameRom rom;
    if (!OpenGame(call.Input(0), rom, call.err)) return kExitFailure;
    const LoadedTileSheet sheet = LoadTileSheet(QString::fromStdString(call.Input(1)));
    if (sheet.error != nullptr) {
        call.err << call.Input(1) << ": " << sheet.error << "\n";
        return kExitFailure;
    }
    // The tiles go in as the graphics manager's OK puts them.
    EditGraphicSets sets = *rom.ExpandGraphicSets();
    sets[*bank].TakeTiles(TilesFromSheet(sheet.picture, sheet.colours, *assignment));
    if (!rom.ApplyGraphicSets(sets)) {
        call.err << call.Input(0) << ": the graphic sets cannot be stored\n";
        return kExitFailure;
    }
    return SaveGame(rom, call.Output(), call.out, call.err) ? 0 : kExitFailure;
}

} // namespace tikaroo::cli
