#include "rom/bps_patch.h"
#include "rom/file_io.h"
#include "rom/ips_patch.h"
#include "sample_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace tikaroo;

// The sample game as the editor leaves it after a few edits and a save: the pair a patch is made of.
struct EditedSample {
    Bytes original;
    Bytes edited;
};

EditedSample SaveEditedSample(benchmark::State& state) {
    EditedSample pair;
    CGameRom rom;
    if (!bench::OpenSample(state, rom)) return pair;
    rom.levels[0].objectLists[0].front().x += 8;
    rom.levelSets.begin()->second.rooms[3].background ^= 1;
    rom.gameSettings.lives = 7;
    const std::string saved = (std::filesystem::temp_directory_path() / "tikaroo-bench-patch.nes").string();
    rom.SaveRom(saved);
    ReadWholeFile(saved, kMaxRomFileSize, pair.edited);
    std::filesystem::remove(saved);
    pair.original = sample::MakeSampleGame().file;
    return pair;
}

template <Bytes (*Make)(std::span<const std::uint8_t>, std::span<const std::uint8_t>)>
void BM_PatchOfTheEditedSample(benchmark::State& state) {
    const EditedSample pair = SaveEditedSample(state);
    Bytes patch;
    for (auto _ : state) patch = Make(pair.original, pair.edited);
    state.counters["patch bytes"] = static_cast<double>(patch.size());
    state.counters["edited bytes"] = static_cast<double>(pair.edited.size());
}
BENCHMARK(BM_PatchOfTheEditedSample<MakeIpsPatch>)
    ->Name("BM_IpsPatchOfTheEditedSample")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PatchOfTheEditedSample<MakeBpsPatch>)
    ->Name("BM_BpsPatchOfTheEditedSample")
    ->Unit(benchmark::kMillisecond);

} // namespace
