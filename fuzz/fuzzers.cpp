// The entry point of each fuzz target; FUZZ_CHECK names the check that follows the open (none for the
// open alone).
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tikaroo::fuzz::RunFuzzTarget({data, size}, FUZZ_CHECK);
}
