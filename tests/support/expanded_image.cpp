#include "support/expanded_image.h"

#include "rom/rom_error.h"

namespace tikaroo::test {

namespace {
constexpr std::uint32_t kWindowBase = 0x8000;
constexpr std::uint32_t kFixedBankBase = 0xC000;
constexpr std::uint8_t kMapper4VerticalMirroring = 0x41;
} // namespace

void MakeExpandedImage(CGameImage& image) {
    image.CloseRom();
    image.header = {
        'N', 'E', 'S', 0x1A, kExpandedPrgBanks, kExpandedChrSize / kChrBankSize, kMapper4VerticalMirroring};
    image.mapper = 4;
    image.prgBanks.assign(kExpandedPrgBanks, Bytes(kPrgBankSize, 0));
    image.chrData.assign(kExpandedChrSize, 0);
    image.loaded = 1;
    image.windowPages = {0, 1};
    image.cpuWindow.assign(kCpuWindowSize, 0);
    image.auxBuffer.assign(kAuxBufferSize, 0);
    image.DecodeAllTiles();
    image.LoadWindow();
    image.BuildPpuTileMap();
}

void Poke(CGameImage& image, int bank, CpuPtr address, const Bytes& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::uint32_t at = address + static_cast<std::uint32_t>(i);
        if (at < kWindowBase || at > 0xFFFF) throw RomError(errors::kInvalidPointer);
        const std::size_t windowOffset = at - kWindowBase;
        if (at >= kFixedBankBase) {
            image.prgBanks.back()[at - kFixedBankBase] = bytes[i];
            image.cpuWindow[windowOffset] = bytes[i];
            continue;
        }
        image.prgBanks.at(static_cast<std::size_t>(bank))[windowOffset] = bytes[i];
        const std::size_t half = windowOffset / kPageSize;
        if (image.windowPages[half] == 2 * bank + static_cast<int>(half))
            image.cpuWindow[windowOffset] = bytes[i];
    }
}

void PokeWord(CGameImage& image, int bank, CpuPtr address, std::uint16_t value) {
    Poke(image, bank, address, {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)});
}

} // namespace tikaroo::test
