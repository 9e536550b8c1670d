#include "game/game_rom.h"
#include "sample_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

using tikaroo::bench::OpenSample;

// Saving the opened sample game as the editor does: build every table into the image and write the file.
void BM_SaveSample(benchmark::State& state) {
    tikaroo::CGameRom rom;
    if (!OpenSample(state, rom)) return;
    const std::string saved = (std::filesystem::temp_directory_path() /
                               ("tikaroo-bench-saved-" + std::to_string(getpid()) + ".nes"))
                                  .string();
    for (auto _ : state) rom.SaveRom(saved);
    std::filesystem::remove(saved);
}
BENCHMARK(BM_SaveSample)->Unit(benchmark::kMillisecond);

} // namespace
