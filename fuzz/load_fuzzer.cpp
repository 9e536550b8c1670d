// Feeds arbitrary bytes, written to a file, through the whole open of a ROM image. Every input must end
// either in a loaded expanded image or in one of the model's error texts with nothing left loaded.
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tikaroo::CGameRom rom;
    tikaroo::fuzz::OpenInput(data, size, rom);
    return 0;
}
