#include "sample_rom.h"

#include "sample_game.h"
#include "support/temp_dir.h"

namespace tikaroo::test {

CGameRom OpenSample() {
    const TempDir dir;
    CGameRom rom;
    rom.LoadRom(dir.Write("sample.nes", sample::MakeSampleGame().file));
    return rom;
}

} // namespace tikaroo::test
