#pragma once

#include "game/game_rom.h"
#include "rom/file_io.h"
#include "sample_game.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace tikaroo::bench {

// The sample game written to a temporary file for as long as a benchmark runs.
class SampleFile {
public:
    SampleFile()
        : path((std::filesystem::temp_directory_path() /
                ("tikaroo-bench-sample-" + std::to_string(getpid()) + ".nes"))
                   .string()),
          written(WriteFileAtomically(path, sample::MakeSampleGame().file)) {}
    ~SampleFile() { std::filesystem::remove(path); }
    SampleFile(const SampleFile&) = delete;
    SampleFile& operator=(const SampleFile&) = delete;

    const std::string path;
    const bool written;
};

// Opens the sample game into `rom`; marks the benchmark skipped and returns false when it cannot.
inline bool OpenSample(benchmark::State& state, CGameRom& rom) {
    const SampleFile sample;
    if (!sample.written) {
        state.SkipWithError("cannot write the sample image");
        return false;
    }
    rom.LoadRom(sample.path);
    return true;
}

} // namespace tikaroo::bench
