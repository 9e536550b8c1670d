#include "game/game_rom.h"
#include "rom/file_io.h"
#include "sample_game.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

// Opening the sample game as the editor does: read the file, convert the original layout, set up the
// window and tiles, and decode every table.
void BM_OpenSampleImage(benchmark::State& state) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("tikaroo-bench-sample-" + std::to_string(getpid()) + ".nes");
    if (!tikaroo::WriteFileAtomically(path.string(), tikaroo::sample::MakeSampleGame().file)) {
        state.SkipWithError("cannot write the sample image");
        return;
    }
    for (auto _ : state) {
        tikaroo::CGameRom rom;
        rom.LoadRom(path.string());
        benchmark::DoNotOptimize(rom.levels.data());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_OpenSampleImage)->Unit(benchmark::kMillisecond);

} // namespace
