#include "commands.h"

#include <array>
#include <iostream>
#include <string_view>

namespace {

using namespace tikaroo::cli;

struct Verb {
    std::string_view name;
    std::string_view usage;
    std::string_view summary;
    int (*run)(const Arguments&, std::ostream&, std::ostream&);
};

constexpr std::array kVerbs = {
    Verb{"info", "info FILE", "print the iNES facts and the layout of FILE, and what opening it does",
         RunInfo},
    Verb{"convert", "convert IN OUT",
         "open IN (converting an original-layout image) and write the image to OUT", RunConvert},
    Verb{"make-sample", "make-sample OUT.nes",
         "write the project's sample game image (original layout) to OUT.nes", RunMakeSample},
    Verb{"save", "save IN OUT", "open IN and save it to OUT through the full save", RunSave},
    Verb{"dump", "dump FILE", "open FILE and print every decoded game table as one JSON object", RunDump},
    Verb{"render", "render FILE (--level AREA-ROUND | --bonus N | --all) [--map] -o OUT",
         "write the canvas picture of a level (--level 1-1 .. 8-4) or bonus level (--bonus 1-9) as PNG;\n"
         "      --all writes every level and bonus level into the folder OUT (level-1-1.png, bonus-1.png, "
         "...);\n"
         "      --map writes the clean map instead: the level's rooms side by side (a bonus level: its "
         "area's rooms), no bands, lines or markers",
         RunRender},
};

void PrintHelp(std::ostream& out) {
    out << "Usage: tikaroo-cli COMMAND [ARGUMENTS]\n\n"
           "Reads and writes ROM images of the NES game Tikaroo.\n\nCommands:\n";
    for (const Verb& verb : kVerbs) out << "  " << verb.usage << "\n      " << verb.summary << "\n";
    out << "  --help\n      show this text\n";
}

} // namespace

int main(int argc, char** argv) {
    const Arguments all(argv + 1, argv + argc);
    if (all.empty()) {
        PrintHelp(std::cerr);
        return 2;
    }
    if (all[0] == "--help" || all[0] == "-h" || all[0] == "help") {
        PrintHelp(std::cout);
        return 0;
    }
    for (const Verb& verb : kVerbs) {
        if (all[0] == verb.name) return verb.run(Arguments(all.begin() + 1, all.end()), std::cout, std::cerr);
    }
    std::cerr << "tikaroo-cli: unknown command '" << all[0] << "' (see tikaroo-cli --help)\n";
    return 2;
}
