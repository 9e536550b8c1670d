#include "game_image.h"

#include "rom_error.h"

#include <algorithm>

namespace tikaroo {

namespace {

constexpr std::uint32_t kWindowBase = 0x8000;
constexpr std::uint32_t kWindowEnd = 0x10000;
constexpr std::size_t kFixedBankOffset = 0x4000;

// Regions of the PPU pattern space: the CHR slot they come from, their first PPU tile and their size.
struct PpuRegion {
    std::size_t slot;
    std::size_t firstTile;
    std::size_t tileCount;
};
constexpr std::array<PpuRegion, 6> kPpuRegions = {{
    {0, 0, 128},
    {2, 128, 128},
    {4, 256, 64},
    {5, 320, 64},
    {6, 384, 64},
    {7, 448, 64},
}};
constexpr std::size_t kTilesPerKilobyte = 64;

} // namespace

Bytes::iterator CGameImage::PageBytes(std::uint8_t page) {
    const std::size_t bank = page / 2U;
    if (bank >= prgBanks.size() || prgBanks[bank].size() < kPrgBankSize)
        throw RomError(errors::kInvalidPointer);
    return prgBanks[bank].begin() + static_cast<std::ptrdiff_t>((page % 2U) * kPageSize);
}

void CGameImage::LoadWindow() {
    for (std::size_t half = 0; half < 2; ++half) {
        const auto source = PageBytes(windowPages[half]);
        std::copy_n(source, kPageSize, cpuWindow.begin() + static_cast<std::ptrdiff_t>(half * kPageSize));
    }
}

void CGameImage::StoreWindow() {
    for (std::size_t half = 0; half < 2; ++half) {
        const auto target = PageBytes(windowPages[half]);
        std::copy_n(cpuWindow.begin() + static_cast<std::ptrdiff_t>(half * kPageSize), kPageSize, target);
    }
}

void CGameImage::SelectPage(int half, std::uint8_t page) {
    if (prgBanks.empty()) return;
    StoreWindow();
    windowPages[static_cast<std::size_t>(half)] = page;
    LoadWindow();
}

void CGameImage::MapBank(int bank) {
    SelectPage(0, static_cast<std::uint8_t>(2 * bank));
    SelectPage(1, static_cast<std::uint8_t>(2 * bank + 1));
}

std::size_t CGameImage::WindowOffset(std::uint32_t address, std::size_t width) const {
    if (address < kWindowBase || address + width > kWindowEnd || cpuWindow.size() < kCpuWindowSize)
        throw RomError(errors::kInvalidPointer);
    return address - kWindowBase;
}

std::uint8_t CGameImage::Read8(std::uint32_t address) const {
    return cpuWindow[WindowOffset(address, 1)];
}

std::uint16_t CGameImage::Read16(std::uint32_t address) const {
    const std::size_t at = WindowOffset(address, 2);
    return static_cast<std::uint16_t>(cpuWindow[at] | (cpuWindow[at + 1] << 8));
}

std::uint32_t CGameImage::Read32(std::uint32_t address) const {
    const std::size_t at = WindowOffset(address, 4);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(cpuWindow[at + i]) << (8 * i);
    return value;
}

void CGameImage::Write8(std::uint32_t address, std::uint8_t value) {
    cpuWindow[WindowOffset(address, 1)] = value;
}

void CGameImage::Write16(std::uint32_t address, std::uint16_t value) {
    const std::size_t at = WindowOffset(address, 2);
    cpuWindow[at] = static_cast<std::uint8_t>(value);
    cpuWindow[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void CGameImage::Write32(std::uint32_t address, std::uint32_t value) {
    const std::size_t at = WindowOffset(address, 4);
    for (std::size_t i = 0; i < 4; ++i) cpuWindow[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void CGameImage::ReadBlock(std::uint32_t address, std::size_t length, Bytes& out) const {
    out.clear();
    if (length == 0) return;
    const std::size_t at = WindowOffset(address, length);
    out.assign(cpuWindow.begin() + static_cast<std::ptrdiff_t>(at),
               cpuWindow.begin() + static_cast<std::ptrdiff_t>(at + length));
}

void CGameImage::WriteBlock(std::uint32_t address, const Bytes& bytes) {
    if (bytes.empty()) return;
    const std::size_t at = WindowOffset(address, bytes.size());
    std::copy(bytes.begin(), bytes.end(), cpuWindow.begin() + static_cast<std::ptrdiff_t>(at));
}

void CGameImage::DecodeAllTiles() {
    allTiles.clear();
    allTiles.reserve(chrData.size() / kPackedTileSize);
    for (std::size_t at = 0; at + kPackedTileSize <= chrData.size(); at += kPackedTileSize)
        allTiles.push_back(DecodeTile(&chrData[at]));
}

void CGameImage::EncodeAllTiles() {
    const std::size_t count = std::min(allTiles.size(), chrData.size() / kPackedTileSize);
    for (std::size_t tile = 0; tile < count; ++tile)
        EncodeTile(allTiles[tile], &chrData[tile * kPackedTileSize]);
}

void CGameImage::BuildPpuTileMap() {
    for (const PpuRegion& region : kPpuRegions) {
        const std::size_t first = chrSlots[region.slot] * kTilesPerKilobyte;
        for (std::size_t i = 0; i < region.tileCount; ++i)
            ppuTileMap[region.firstTile + i] = static_cast<std::uint16_t>(first + i);
    }
}

int CGameImage::SetUpExpanded() {
    windowPages = {0, 1};
    cpuWindow.assign(kCpuWindowSize, 0);
    auxBuffer.assign(kAuxBufferSize, 0);
    DecodeAllTiles();
    LoadWindow();
    BuildPpuTileMap();
    std::copy_n(prgBanks.back().begin(), kPrgBankSize,
                cpuWindow.begin() + static_cast<std::ptrdiff_t>(kFixedBankOffset));
    return 1;
}

void CGameImage::CloseRom() {
    cpuWindow.clear();
    auxBuffer.clear();
    allTiles.clear();
    Reset();
}

int CGameImage::SaveImage(const std::string& path) {
    if (loaded == 0) return 0;
    if (!prgBanks.empty() && cpuWindow.size() == kCpuWindowSize) {
        std::copy_n(cpuWindow.begin() + static_cast<std::ptrdiff_t>(kFixedBankOffset), kPrgBankSize,
                    prgBanks.back().begin());
        StoreWindow();
    }
    EncodeAllTiles();
    return WriteRomFile(path);
}

} // namespace tikaroo
