#pragma once

// The sample game as the editor opens it, loaded once per test program; each test edits its own copy.
#include "game/game_rom.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace tikaroo::test {

inline const CGameRom& OpenedSample() {
    static const CGameRom opened = [] {
        const TempDir dir;
        CGameRom rom;
        rom.LoadRom(dir.Write("sample.nes", sample::MakeSampleGame().file));
        return rom;
    }();
    return opened;
}

class OpenedSampleTest : public ::testing::Test {
protected:
    CGameRom rom = OpenedSample();
};

} // namespace tikaroo::test
