#include "rom/game_image.h"

#include <benchmark/benchmark.h>

namespace {

// Decoding and encoding the 128 KB CHR data of an expanded image, as every load and save does.
void BM_DecodeAllTiles(benchmark::State& state) {
    tikaroo::CGameImage image;
    image.chrData.assign(0x20000, 0x5A);
    for (auto _ : state) {
        image.DecodeAllTiles();
        benchmark::DoNotOptimize(image.allTiles.data());
    }
}
BENCHMARK(BM_DecodeAllTiles);

void BM_EncodeAllTiles(benchmark::State& state) {
    tikaroo::CGameImage image;
    image.chrData.assign(0x20000, 0x5A);
    image.DecodeAllTiles();
    for (auto _ : state) {
        image.EncodeAllTiles();
        benchmark::DoNotOptimize(image.chrData.data());
    }
}
BENCHMARK(BM_EncodeAllTiles);

} // namespace
