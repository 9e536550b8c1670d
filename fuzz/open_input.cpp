#include "check_support.h"
#include "fuzz_checks.h"

#include "rom/rom_error.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace tikaroo::fuzz {

namespace {

bool HoldsExpandedImage(const CGameRom& rom) {
    return rom.loaded == 1 && (rom.prgBanks.size() == 8 || rom.prgBanks.size() == 16) &&
           rom.chrData.size() == 0x20000 && rom.cpuWindow.size() == kCpuWindowSize &&
           rom.windowPages[0] == 0 && rom.windowPages[1] == 1;
}

bool IsEmpty(const CGameRom& rom) {
    return rom.loaded == 0 && rom.prgBanks.empty() && rom.cpuWindow.empty() && rom.allTiles.empty() &&
           rom.levels.empty() && rom.levelSets.empty() && rom.graphicSets.empty();
}

} // namespace

void ExpectModelError(const std::exception& error, const std::string& during) {
    if (dynamic_cast<const RomError*>(&error) == nullptr || !errors::IsModelErrorText(error.what()))
        throw Finding{during + " failed outside the model's errors: " + error.what()};
}

bool OpenInput(std::span<const std::uint8_t> input, CGameRom& rom) {
    const std::string& path = ScratchPath("input");
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(input.data()), static_cast<std::streamsize>(input.size()));
        if (!out) throw Finding{"cannot write the scratch file " + path};
    }
    try {
        rom.LoadRom(path);
    } catch (const std::exception& error) {
        ExpectModelError(error, "an open");
        if (!IsEmpty(rom)) throw Finding{std::string("a failed open left something loaded: ") + error.what()};
        return false;
    }
    if (!HoldsExpandedImage(rom)) throw Finding{"an open succeeded without an expanded image"};
    return true;
}

int RunFuzzTarget(std::span<const std::uint8_t> input, void (*check)(CGameRom&)) {
    try {
        CGameRom rom;
        if (OpenInput(input, rom) && check != nullptr) check(rom);
    } catch (const Finding& finding) {
        std::fprintf(stderr, "fuzzer: %s\n", finding.what.c_str());
        std::abort();
    }
    return 0;
}

} // namespace tikaroo::fuzz
