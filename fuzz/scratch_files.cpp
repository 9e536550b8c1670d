#include "check_support.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>

namespace tikaroo::fuzz {

namespace {

namespace fs = std::filesystem;

fs::path ScratchFolder() {
    std::error_code ec;
    if (fs::is_directory("/dev/shm", ec)) return "/dev/shm";
    return fs::temp_directory_path();
}

// Built before the exit handler is registered, so it is destroyed after the handler ran.
std::map<std::string, std::string>& ScratchFiles() {
    static std::map<std::string, std::string> files;
    return files;
}

void RemoveScratchFiles() {
    std::error_code ec;
    for (const auto& [name, path] : ScratchFiles()) fs::remove(path, ec);
}

} // namespace

const std::string& ScratchPath(const std::string& name) {
    auto& files = ScratchFiles();
    if (files.empty()) std::atexit(RemoveScratchFiles);
    auto [entry, added] = files.try_emplace(name);
    if (added)
        entry->second =
            (ScratchFolder() / ("tikaroo-fuzz-" + std::to_string(::getpid()) + "-" + name + ".nes")).string();
    return entry->second;
}

} // namespace tikaroo::fuzz
