#include "commands.h"
#include "read_input.h"

#include "rom/file_io.h"
#include "rom/patch_error.h"
#include "rom/patch_formats.h"

#include <ostream>

namespace tikaroo::cli {

void DeclarePatch(QCommandLineParser& parser) {
    parser.addPositionalArgument("ORIGINAL", "The unchanged game image the patch is applied to.");
    parser.addPositionalArgument("EDITED", "The edited image the patch makes of it.");
    parser.addPositionalArgument("OUT", "The patch to write (or -o): OUT.ips or OUT.bps.", "[OUT]");
}

int RunPatch(const VerbCall& call) {
    const std::string out = call.Output();
    const PatchFormat* format = PatchFormatForName(out);
    if (format == nullptr) {
        call.err << out << ": the patch's name must end in .ips or .bps\n";
        return call.Usage();
    }
    Bytes original;
    Bytes edited;
    if (!ReadInput(call.Input(0), kMaxPatchedFileSize, original, call.err) ||
        !ReadInput(call.Input(1), kMaxPatchedFileSize, edited, call.err))
        return kExitFailure;
    Bytes patch;
    try {
        patch = format->make(original, edited);
    } catch (const PatchError& error) {
        call.err << out << ": " << error.what() << "\n";
        return kExitFailure;
    }
    if (!WriteFileAtomically(out, patch)) {
        call.err << out << ": cannot write the patch\n";
        return kExitFailure;
    }
    call.out << "wrote " << out << ": " << format->name << ", " << patch.size() << " bytes\n";
    return 0;
}

} // namespace tikaroo::cli
