#include "fuzz_input.h"

#include "rom/rom_error.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

namespace tikaroo::fuzz {

namespace {

namespace fs = std::filesystem;

fs::path ScratchFolder() {
    std::error_code ec;
    if (fs::is_directory("/dev/shm", ec)) return "/dev/shm";
    return fs::temp_directory_path();
}

std::map<std::string, std::string>& ScratchFiles() {
    static std::map<std::string, std::string> files;
    return files;
}

void RemoveScratchFiles() {
    std::error_code ec;
    for (const auto& [name, path] : ScratchFiles()) fs::remove(path, ec);
}

bool IsModelErrorText(const char* text) {
    return std::any_of(errors::kAll.begin(), errors::kAll.end(),
                       [text](const char* known) { return std::strcmp(known, text) == 0; });
}

bool HoldsExpandedImage(const CGameRom& rom) {
    return rom.loaded == 1 && (rom.prgBanks.size() == 8 || rom.prgBanks.size() == 16) &&
           rom.chrData.size() == 0x20000 && rom.cpuWindow.size() == kCpuWindowSize && rom.windowPages[0] == 0 &&
           rom.windowPages[1] == 1;
}

bool IsEmpty(const CGameRom& rom) {
    return rom.loaded == 0 && rom.prgBanks.empty() && rom.cpuWindow.empty() && rom.allTiles.empty() &&
           rom.levels.empty() && rom.levelSets.empty() && rom.graphicSets.empty();
}

} // namespace

const std::string& ScratchPath(const std::string& name) {
    auto& files = ScratchFiles();
    if (files.empty()) std::atexit(RemoveScratchFiles);
    auto [entry, added] = files.try_emplace(name);
    if (added)
        entry->second =
            (ScratchFolder() / ("tikaroo-fuzz-" + std::to_string(::getpid()) + "-" + name + ".nes")).string();
    return entry->second;
}

void Fail(const char* what, const char* detail) {
    std::fprintf(stderr, "fuzzer: %s: %s\n", what, detail);
    std::abort();
}

void ExpectModelError(const std::exception& error, const char* during) {
    if (dynamic_cast<const RomError*>(&error) == nullptr || !IsModelErrorText(error.what()))
        Fail(during, error.what());
}

bool OpenInput(const std::uint8_t* data, std::size_t size, CGameRom& rom) {
    const std::string& path = ScratchPath("input");
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out) Fail("cannot write the scratch file", path.c_str());
    }
    try {
        rom.LoadRom(path);
    } catch (const std::exception& error) {
        ExpectModelError(error, "an open failed outside the model's errors");
        if (!IsEmpty(rom)) Fail("a failed open left something loaded", error.what());
        return false;
    }
    if (!HoldsExpandedImage(rom)) Fail("an open succeeded without an expanded image", "");
    return true;
}

} // namespace tikaroo::fuzz
