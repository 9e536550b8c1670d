// Opens arbitrary bytes as a ROM image, saves it and opens the saved file again. A save either fails
// with one of the model's errors, leaving the image as it was, or writes an image that opens and saves
// again to the same bytes: what the save wrote reads back as it was saved.
#include "fuzz_input.h"

#include "rom/file_io.h"

namespace {

using namespace tikaroo;

Bytes SavedBytes(CGameRom& rom, const std::string& path) {
    rom.SaveRom(path);
    Bytes bytes;
    if (ReadWholeFile(path, kMaxRomFileSize, bytes) != FileReadResult::Ok)
        fuzz::Fail("cannot read the saved file", path.c_str());
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CGameRom rom;
    if (!fuzz::OpenInput(data, size, rom)) return 0;
    const CGameImage before = rom;
    Bytes saved;
    try {
        saved = SavedBytes(rom, fuzz::ScratchPath("saved"));
    } catch (const std::exception& error) {
        fuzz::ExpectModelError(error, "a save failed outside the model's errors");
        if (rom.prgBanks != before.prgBanks || rom.cpuWindow != before.cpuWindow || rom.chrData != before.chrData)
            fuzz::Fail("a failed save changed the image", error.what());
        return 0;
    }

    CGameRom reopened;
    try {
        reopened.LoadRom(fuzz::ScratchPath("saved"));
    } catch (const std::exception& error) {
        fuzz::Fail("a saved image does not open", error.what());
    }
    Bytes savedAgain;
    try {
        savedAgain = SavedBytes(reopened, fuzz::ScratchPath("saved-again"));
    } catch (const std::exception& error) {
        fuzz::Fail("a saved image does not save again", error.what());
    }
    if (savedAgain != saved) fuzz::Fail("a saved image reads back other than it was saved", "");
    return 0;
}
