#include "game/game_rom.h"
#include "sample_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using tikaroo::bench::SampleFile;

// Saving the opened sample game as the editor does: build every table into the image and write the file.
void BM_SaveSample(benchmark::State& state) {
    tikaroo::CGameRom rom;
    const SampleFile sample;
    if (!sample.written) {
        state.SkipWithError("cannot write the sample image");
        return;
    }
    rom.LoadRom(sample.path);
    const std::string saved = sample.path + ".saved.nes";
    for (auto _ : state) rom.SaveRom(saved);
    std::filesystem::remove(saved);
}
BENCHMARK(BM_SaveSample)->Unit(benchmark::kMillisecond);

} // namespace
