// Feeds arbitrary bytes, written to a file, through the whole open of a ROM image. Every input must end
// either in a loaded expanded image or in one of the model's error texts with nothing left loaded.
#include "game/game_rom.h"
#include "rom/rom_error.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const std::string& ScratchPath() {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("tikaroo-load-fuzz-" + std::to_string(::getpid()) + ".nes"))
                                        .string();
    return path;
}

void RemoveScratchFile() {
    std::filesystem::remove(ScratchPath());
}

bool IsModelErrorText(const char* text) {
    return std::any_of(tikaroo::errors::kAll.begin(), tikaroo::errors::kAll.end(),
                       [text](const char* known) { return std::strcmp(known, text) == 0; });
}

[[noreturn]] void Fail(const char* what, const char* detail) {
    std::fprintf(stderr, "load fuzzer: %s: %s\n", what, detail);
    std::abort();
}

bool HoldsExpandedImage(const tikaroo::CGameRom& rom) {
    return rom.loaded == 1 && (rom.prgBanks.size() == 8 || rom.prgBanks.size() == 16) &&
           rom.chrData.size() == 0x20000 && rom.cpuWindow.size() == tikaroo::kCpuWindowSize &&
           rom.windowPages[0] == 0 && rom.windowPages[1] == 1;
}

bool IsEmpty(const tikaroo::CGameRom& rom) {
    return rom.loaded == 0 && rom.prgBanks.empty() && rom.cpuWindow.empty() && rom.allTiles.empty() &&
           rom.levels.empty() && rom.levelSets.empty() && rom.graphicSets.empty();
}

} // namespace

// Registered after the path exists, so the file goes before the path string does.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ScratchPath();
    std::atexit(RemoveScratchFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream out(ScratchPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out) Fail("cannot write the scratch file", ScratchPath().c_str());
    }
    tikaroo::CGameRom rom;
    try {
        rom.LoadRom(ScratchPath());
        if (!HoldsExpandedImage(rom)) Fail("a load succeeded without an expanded image", "");
    } catch (const tikaroo::RomError& error) {
        if (!IsModelErrorText(error.what())) Fail("unknown error text", error.what());
        if (!IsEmpty(rom)) Fail("a failed load left something loaded", error.what());
    } catch (const std::exception& error) {
        Fail("exception outside the model's errors", error.what());
    }
    return 0;
}
