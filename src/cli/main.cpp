#include "commands.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <array>
#include <iostream>
#include <string>

#include <unistd.h>

namespace {

using namespace tikaroo::cli;
using enum Output;

// Adding a verb: one row here, and its Declare and Run functions in a file of their own.
constexpr std::array kVerbs = {
    Verb{"info", "FILE", "print the iNES facts and the layout of FILE, and what opening it does", 1, None,
         DeclareInfo, RunInfo},
    Verb{"convert", "IN -o OUT", "open IN (converting an original-layout image) and write the image to OUT",
         1, Required, DeclareConvert, RunConvert},
    Verb{"make-sample", "-o OUT.nes", "write the project's sample game image (original layout) to OUT.nes", 0,
         Required, DeclareMakeSample, RunMakeSample},
    Verb{"save", "IN -o OUT", "open IN and save it to OUT through the full save", 1, Required, DeclareSave,
         RunSave},
    Verb{"dump", "FILE [-o OUT.json]",
         "open FILE and print every decoded game table as one JSON object (or write it to OUT.json)", 1,
         Optional, DeclareDump, RunDump},
    Verb{"render", "FILE (--level AREA-ROUND | --bonus N | --all) [--map] [--compression 0-9] -o OUT",
         "write the canvas picture of a level (1-1 .. 8-4) or bonus level (1-9) as PNG, or with --all of\n"
         "every one into the folder OUT (level-1-1.png, bonus-1.png, ...); --map writes the clean map\n"
         "instead: the level's rooms side by side (a bonus level: its area's rooms), no bands, lines or\n"
         "markers; --compression 9 writes the smallest files, slower",
         1, Required, DeclareRender, RunRender},
    Verb{"export-tiles", "ROM --bank N [--palette-set P] -o SHEET.png",
         "write the 512 tiles of CHR bank N (1-7) as a 256x128 PNG tile sheet, coloured with sub-palette 0\n"
         "of palette set P (1-16; by default level 1-1's)",
         1, Required, DeclareExportTiles, RunExportTiles},
    Verb{"import-tiles", "ROM --bank N SHEET.png [--assign LEFT:RIGHT] -o OUT.nes",
         "put the tiles of a 256x128 sheet with four colours per half into CHR bank N (1-7) as the\n"
         "graphics manager does, and save the image to OUT.nes",
         2, Required, DeclareImportTiles, RunImportTiles},
    Verb{"patch", "ORIGINAL EDITED -o OUT.ips|OUT.bps",
         "write the patch that turns ORIGINAL into EDITED, IPS or BPS after the name of OUT", 2, Required,
         DeclarePatch, RunPatch},
    Verb{"apply-patch", "ORIGINAL PATCH -o OUT",
         "apply an IPS or BPS patch to ORIGINAL and write the result to OUT (a BPS patch must have been\n"
         "made for ORIGINAL)",
         2, Required, DeclareApplyPatch, RunApplyPatch},
    Verb{"apply-json", "BASE.nes MODEL.json -o OUT.nes",
         "open BASE.nes, replace its tables with the model in the form dump writes (docs/model-json.md)\n"
         "and save it to OUT.nes; a bad value is named by its JSON path and nothing is written",
         2, Required, DeclareApplyJson, RunApplyJson},
};

void PrintHelp(std::ostream& out) {
    out << "Usage: tikaroo-cli COMMAND [ARGUMENTS]\n\n"
           "Reads and writes ROM images of the NES game Tikaroo. An output may also be given as the last\n"
           "argument instead of -o.\n\nCommands:\n";
    for (const Verb& verb : kVerbs) {
        out << "  " << verb.name << " " << verb.arguments << "\n";
        // The summary's lines, indented under the verb.
        for (std::size_t start = 0; start < verb.summary.size();) {
            const std::size_t end = std::min(verb.summary.find('\n', start), verb.summary.size());
            out << "      " << verb.summary.substr(start, end - start) << "\n";
            start = end + 1;
        }
    }
    out << "  COMMAND --help\n      tell more about COMMAND\n"
           "  --help\n      show this text\n"
           "  --version\n      show the version\n";
}

const Verb* FindVerb(const std::string& name) {
    for (const Verb& verb : kVerbs)
        if (verb.name == name) return &verb;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintHelp(std::cerr);
        return kExitUsage;
    }
    const std::string first = argv[1];
    if (first == "--help" || first == "-h" || first == "help") {
        PrintHelp(std::cout);
        return 0;
    }
    if (first == "--version" || first == "-v") {
        std::cout << "tikaroo-cli " << TIKAROO_VERSION << "\n";
        return 0;
    }
    const Verb* verb = FindVerb(first);
    if (verb == nullptr) {
        std::cerr << "tikaroo-cli: unknown command '" << first << "' (see tikaroo-cli --help)\n";
        return kExitUsage;
    }
    // The verb's help names the program by the application's first argument.
    std::string programName = "tikaroo-cli " + first;
    int applicationArgc = 1;
    char* applicationArgv[] = {programName.data(), nullptr};
    const QCoreApplication application(applicationArgc, applicationArgv);
    QStringList arguments;
    for (int i = 2; i < argc; ++i) arguments << QFile::decodeName(argv[i]);
    return RunVerb(*verb, arguments, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
}
