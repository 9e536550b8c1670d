#include "check_support.h"
#include "fuzz_checks.h"

#include "rom/file_io.h"

namespace tikaroo::fuzz {

namespace {

Bytes FileBytes(const std::string& path) {
    Bytes bytes;
    if (ReadWholeFile(path, kMaxRomFileSize, bytes) != FileReadResult::Ok)
        throw Finding{"cannot read the saved file " + path};
    return bytes;
}

bool SameImage(const CGameImage& a, const CGameImage& b) {
    return a.prgBanks == b.prgBanks && a.cpuWindow == b.cpuWindow && a.chrData == b.chrData &&
           a.allTiles == b.allTiles;
}

} // namespace

bool SaveChecked(CGameRom& rom, const std::string& path) {
    const CGameImage before = rom;
    try {
        rom.SaveRom(path);
    } catch (const std::exception& error) {
        ExpectModelError(error, "a save");
        if (!SameImage(rom, before))
            throw Finding{std::string("a failed save changed the image: ") + error.what()};
        return false;
    }
    return true;
}

void OpenSaved(CGameRom& reopened, const std::string& path) {
    try {
        reopened.LoadRom(path);
    } catch (const std::exception& error) {
        throw Finding{std::string("a saved image does not open: ") + error.what()};
    }
}

void SaveAndReopen(CGameRom& rom) {
    if (!SaveChecked(rom, ScratchPath("saved"))) return;
    CGameRom reopened;
    OpenSaved(reopened, ScratchPath("saved"));
    try {
        reopened.SaveRom(ScratchPath("saved-again"));
    } catch (const std::exception& error) {
        throw Finding{std::string("a saved image does not save again: ") + error.what()};
    }
    if (FileBytes(ScratchPath("saved-again")) != FileBytes(ScratchPath("saved")))
        throw Finding{"a saved image reads back other than it was saved"};
}

} // namespace tikaroo::fuzz
