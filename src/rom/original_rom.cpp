#include "original_rom.h"

#include "game_image.h"

#include <algorithm>

namespace tikaroo {

namespace {
constexpr std::uint8_t kOriginalMapper = 3;
constexpr std::uint8_t kChrBankMask = 15;
} // namespace

bool HasOriginalShape(const CNesRom& rom) {
    return rom.mapper == kOriginalMapper && (rom.prgBanks.size() == 2 || rom.prgBanks.size() == 4);
}

int COriginalRom::ReadOriginal() {
    if (!HasOriginalShape(*this)) {
        Reset();
        return 0;
    }
    cpuWindow.assign(kCpuWindowSize, 0);
    std::copy_n(prgBanks[0].begin(), kPrgBankSize, cpuWindow.begin());
    std::copy_n(prgBanks[1].begin(), kPrgBankSize,
                cpuWindow.begin() + static_cast<std::ptrdiff_t>(kPrgBankSize));
    currentChrBank = 0;
    SelectChrBank(0);
    return 1;
}

int COriginalRom::SelectChrBank(std::uint8_t bank) {
    if (loaded == 0) return 0;
    if (!bankTiles.empty()) StoreBankTiles(currentChrBank * kChrBankSize);
    const auto selected = static_cast<std::uint8_t>(bank & kChrBankMask);
    LoadBankTiles(selected * kChrBankSize);
    currentChrBank = selected;
    return 1;
}

} // namespace tikaroo
