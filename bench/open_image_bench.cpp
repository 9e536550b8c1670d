#include "game/game_rom.h"
#include "game/table_readers.h"
#include "sample_file.h"

#include <benchmark/benchmark.h>

namespace {

using tikaroo::bench::OpenSample;
using tikaroo::bench::SampleFile;

// Opening the sample game as the editor does: read the file, convert the original layout, set up the
// window and tiles, and decode every table.
void BM_OpenSampleImage(benchmark::State& state) {
    const SampleFile sample;
    if (!sample.written) {
        state.SkipWithError("cannot write the sample image");
        return;
    }
    for (auto _ : state) {
        tikaroo::CGameRom rom;
        rom.LoadRom(sample.path);
        benchmark::DoNotOptimize(rom.levels.data());
    }
}
BENCHMARK(BM_OpenSampleImage)->Unit(benchmark::kMillisecond);

// The table readers' share of opening: decoding every table of the converted sample again.
void BM_ReadAllTables(benchmark::State& state) {
    tikaroo::CGameRom rom;
    if (!OpenSample(state, rom)) return;
    for (auto _ : state) {
        tikaroo::ReadAllTables(rom, rom);
        benchmark::DoNotOptimize(rom.levels.data());
    }
}
BENCHMARK(BM_ReadAllTables)->Unit(benchmark::kMillisecond);

} // namespace
