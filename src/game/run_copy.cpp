#include "game_rom.h"

namespace tikaroo {

namespace {
constexpr int kRoundsPerArea = 4;
} // namespace

bool CGameRom::SaveCopyBeginningHere(const std::string& path) const {
    // The hidden boss slot cannot be a start.
    if (!MainLevelShown() || view.currentLevel >= kPlayableLevelCount) return false;
    CGameRom copy = *this;
    copy.gameSettings.beginArea = static_cast<std::uint8_t>(view.currentLevel / kRoundsPerArea);
    copy.gameSettings.beginRound = static_cast<std::uint8_t>(view.currentLevel % kRoundsPerArea);
    copy.gameSettings.beginFrom = 0;
    copy.backupOnWrite = false; // a copy for one run needs no backup
    copy.SaveRom(path);
    return true;
}

} // namespace tikaroo
