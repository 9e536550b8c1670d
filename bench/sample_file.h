#pragma once

#include "rom/file_io.h"
#include "sample_game.h"

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

} // namespace tikaroo::bench
