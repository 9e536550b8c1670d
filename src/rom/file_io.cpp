#include "file_io.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace tikaroo {

namespace fs = std::filesystem;

FileReadResult ReadWholeFile(const std::string& path, std::uintmax_t maxSize, Bytes& out) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return FileReadResult::CannotOpen;
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileReadResult::CannotOpen;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) return FileReadResult::CannotOpen;
    if (size > maxSize) return FileReadResult::TooLarge;
    out.assign(static_cast<std::size_t>(size), 0);
    in.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) return FileReadResult::ShortRead;
    return FileReadResult::Ok;
}

namespace {

fs::path TemporaryBeside(const fs::path& target) {
    std::random_device seed;
    const auto tag = std::to_string(std::uniform_int_distribution<unsigned>(0, 0xFFFFFFU)(seed));
    return target.parent_path() / (target.filename().string() + ".tmp" + tag);
}

bool WriteAndFlush(const fs::path& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && flushed && closed;
}

} // namespace

bool WriteFileAtomically(const std::string& path, const Bytes& bytes) {
    const fs::path target(path);
    std::error_code ec;
    if (fs::is_directory(target, ec)) return false;
    const fs::path temporary = TemporaryBeside(target);
    if (!WriteAndFlush(temporary, bytes)) {
        fs::remove(temporary, ec);
        return false;
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

} // namespace tikaroo
