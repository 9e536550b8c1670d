#include "support/temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>

namespace tikaroo::test {

TempDir::TempDir() {
    std::random_device seed;
    root = std::filesystem::temp_directory_path() /
           ("tikaroo-test-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(root);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::string TempDir::Write(const std::string& name, const Bytes& bytes) const {
    const std::string path = Path(name);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

Bytes TempDir::Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace tikaroo::test
