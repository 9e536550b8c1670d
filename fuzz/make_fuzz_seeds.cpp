// Writes the seed corpus of the load fuzzer into the directory given: the sample game in the original
// and the expanded layout, and broken variants of both.
#include "rom/load_image.h"
#include "rom/nes_rom.h"
#include "sample_game.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using tikaroo::Bytes;

bool WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The sample converted and saved, as the editor would keep it.
Bytes Expanded(const std::filesystem::path& directory, const Bytes& original) {
    const auto source = directory / "original.tmp";
    const auto target = directory / "expanded.tmp";
    WriteFile(source, original);
    tikaroo::CGameImage image;
    tikaroo::LoadGameImage(image, source.string());
    image.SaveImage(target.string());
    Bytes expanded = ReadFile(target);
    std::filesystem::remove(source);
    std::filesystem::remove(target);
    return expanded;
}

Bytes WithByte(Bytes file, std::size_t at, std::uint8_t value) {
    file.at(at) = value;
    return file;
}

Bytes Cut(Bytes file, std::size_t size) {
    file.resize(size);
    return file;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds DIRECTORY\n");
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::filesystem::create_directories(directory);
    const Bytes original = tikaroo::sample::MakeSampleGame().file;
    const Bytes expanded = Expanded(directory, original);
    constexpr std::size_t kBank0 = tikaroo::kHeaderSize;
    const std::vector<std::pair<std::string, Bytes>> seeds = {
        {"original.nes", original},
        {"expanded.nes", expanded},
        {"original-16k-chr.nes", Cut(WithByte(original, 5, 2), original.size() - 0x4000)},
        {"original-no-chr.nes", Cut(WithByte(original, 5, 0), original.size() - 0x8000)},
        {"original-one-bank.nes", WithByte(original, 4, 1)},
        {"original-bad-set-pointers.nes", WithByte(original, kBank0 + 0x3B51, 0xFF)},
        {"original-bad-set-bytes.nes",
         WithByte(WithByte(original, kBank0 + 0x3B92, 0xFA), kBank0 + 0x3B93, 0xFF)},
        {"expanded-12-banks.nes", WithByte(expanded, 4, 12)},
        {"expanded-bad-pointer.nes", WithByte(expanded, kBank0 + 0x3B51, 0x00)},
        {"truncated.nes", Cut(original, original.size() - 1)},
        {"header-only.nes", Cut(original, tikaroo::kHeaderSize)},
        {"no-magic.nes", WithByte(original, 3, 0x1B)},
    };
    for (const auto& [name, bytes] : seeds) {
        if (!WriteFile(directory / name, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", (directory / name).string().c_str());
            return 1;
        }
    }
    return 0;
}
