#pragma once

#include "nes_rom.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tikaroo {

// A 6502 address in the cartridge space $8000-$FFFF.
using CpuPtr = std::uint16_t;

inline constexpr std::size_t kCpuWindowSize = 0x8000;
inline constexpr std::size_t kPageSize = 0x2000;
inline constexpr std::size_t kAuxBufferSize = 0x2000;
inline constexpr std::size_t kPpuTileCount = 512;

// The ROM side of the loaded game: the 32 KB CPU window through which every table is read and written
// (two switchable 8 KB pages and the fixed last bank), and the decoded CHR tiles with the PPU tile map.
class CGameImage : public CNesRom {
public:
    Bytes cpuWindow;
    Bytes auxBuffer;
    std::vector<Tile> allTiles;
    std::array<std::uint16_t, kPpuTileCount> ppuTileMap{};
    std::array<std::uint8_t, 2> windowPages{0, 7};
    std::array<std::uint8_t, 8> chrSlots{};

    void LoadWindow();
    void StoreWindow();
    // Stores the window, shows `page` in window half `half` (0: $8000, 1: $A000) and loads it.
    void SelectPage(int half, std::uint8_t page);
    // Shows the whole 16 KB bank at $8000-$BFFF (pages 2b and 2b + 1).
    void MapBank(int bank);

    // Checked accesses; an address is formed in at least 17 bits and never wraps.
    std::uint8_t Read8(std::uint32_t address) const;
    std::uint16_t Read16(std::uint32_t address) const;
    std::uint32_t Read32(std::uint32_t address) const;
    void Write8(std::uint32_t address, std::uint8_t value);
    void Write16(std::uint32_t address, std::uint16_t value);
    void Write32(std::uint32_t address, std::uint32_t value);
    void ReadBlock(std::uint32_t address, std::size_t length, Bytes& out) const;
    void WriteBlock(std::uint32_t address, const Bytes& bytes);
    // The 16-bit operand of the 6502 instruction at `instruction`.
    std::uint16_t ReadOperand(std::uint32_t instruction) const { return Read16(instruction + 1); }
    void WriteOperand(std::uint32_t instruction, std::uint16_t value) { Write16(instruction + 1, value); }

    void DecodeAllTiles();
    void EncodeAllTiles();
    void BuildPpuTileMap();

    // Prepares a held expanded image for editing: bank 0 and the fixed bank in the window, every tile
    // decoded, the PPU tile map built. Always 1.
    int SetUpExpanded();
    // Writes the bank-switching stubs and the interrupt vectors into the window; 0 when nothing is held.
    int InstallEngineStubs();

    void CloseRom();
    int SaveImage(const std::string& path = {});

private:
    std::size_t WindowOffset(std::uint32_t address, std::size_t width) const;
    Bytes::iterator PageBytes(std::uint8_t page);
};

} // namespace tikaroo
