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

// As many links as the system itself follows before it gives up on a loop.
constexpr int kMaxLinkHops = 40;

// The file that `path` names once its symbolic links are followed.
fs::path FollowLinks(fs::path path) {
    std::error_code ec;
    for (int hop = 0; hop < kMaxLinkHops && fs::is_symlink(path, ec); ++hop) {
        const fs::path target = fs::read_symlink(path, ec);
        if (ec) break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

fs::path TemporaryBeside(const fs::path& target) {
    std::random_device seed;
    const auto tag = std::to_string(std::uniform_int_distribution<unsigned>(0, 0xFFFFFFU)(seed));
    return target.parent_path() / (target.filename().string() + ".tmp" + tag);
}

// Writes all bytes to the open file and closes it.
bool WriteAndClose(std::FILE* file, const Bytes& bytes) {
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && flushed && closed;
}

bool WriteInPlace(const fs::path& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    return file != nullptr && WriteAndClose(file, bytes);
}

// Copies the file at `from` to `backup`; a backup standing there is replaced only by a whole copy.
bool KeepBackup(const fs::path& from, const fs::path& backup) {
    const fs::path temporary = TemporaryBeside(backup);
    std::error_code ec;
    bool done = fs::copy_file(from, temporary, ec);
    if (done) fs::rename(temporary, backup, ec);
    done = done && !ec;
    if (!done) fs::remove(temporary, ec);
    return done;
}

} // namespace

bool WriteFileAtomically(const std::string& path, const Bytes& bytes, const std::string& backupPath) {
    // Through a symbolic link the real file is replaced; the link stays a link.
    const fs::path target = FollowLinks(path);
    std::error_code ec;
    if (fs::is_directory(target, ec)) return false;
    const fs::file_status old = fs::status(target, ec);
    const bool replacing = fs::exists(old);
    const bool backedUp = !replacing || backupPath.empty();

    const fs::path temporary = TemporaryBeside(target);
    std::FILE* file = std::fopen(temporary.c_str(), "wbx");
    // No temporary file beside it (a folder the user may not add to, a name at the length limit): the
    // file itself is written, if it can be.
    if (file == nullptr) return (backedUp || KeepBackup(target, backupPath)) && WriteInPlace(target, bytes);
    bool done = WriteAndClose(file, bytes) && (backedUp || KeepBackup(target, backupPath));
    // The new file keeps the permission bits of the one it replaces.
    if (done && replacing) fs::permissions(temporary, old.permissions(), fs::perm_options::replace, ec);
    if (done) fs::rename(temporary, target, ec);
    done = done && !ec;
    if (!done) fs::remove(temporary, ec);
    return done;
}

} // namespace tikaroo
