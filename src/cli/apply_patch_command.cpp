#include "commands.h"
#include "read_input.h"

#include "rom/file_io.h"
#include "rom/patch_error.h"
#include "rom/patch_formats.h"

#include <ostream>

namespace tikaroo::cli {

void DeclareApplyPatch(QCommandLineParser& parser) {
    parser.addPositionalArgument("ORIGINAL", "The unchanged game image the patch was made for.");
    parser.addPositionalArgument("PATCH", "An IPS or BPS patch (told apart by its content).");
    parser.addPositionalArgument("OUT", "Where to write the patched image (or -o).", "[OUT]");
}

int RunApplyPatch(const VerbCall& call) {
    const std::string out = call.Output();
    const std::string patchPath = call.Input(1);
    Bytes original;
    Bytes patch;
    if (!ReadInput(call.Input(0), kMaxPatchedFileSize, original, call.err) ||
        !ReadInput(patchPath, kMaxPatchFileSize, patch, call.err))
        return kExitFailure;
    const PatchFormat* format = PatchFormatOf(patch);
    if (format == nullptr) {
        call.err << patchPath << ": neither an IPS nor a BPS patch\n";
        return kExitFailure;
    }
    Bytes patched;
    try {
        patched = format->apply(original, patch);
    } catch (const PatchError& error) {
        call.err << patchPath << ": " << error.what() << "\n";
        return kExitFailure;
    }
    if (!WriteFileAtomically(out, patched)) {
        call.err << out << ": cannot write the patched image\n";
        return kExitFailure;
    }
    call.out << "wrote " << out << "\n";
    return 0;
}

} // namespace tikaroo::cli
