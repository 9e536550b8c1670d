#pragma once

#include "bytes.h"
#include "tile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tikaroo {

inline constexpr std::size_t kHeaderSize = 16;
inline constexpr std::size_t kTrainerSize = 512;
inline constexpr std::size_t kPrgBankSize = 16384;
inline constexpr std::size_t kChrBankSize = 8192;
inline constexpr std::size_t kTilesPerChrBank = kChrBankSize / kPackedTileSize;
inline constexpr std::uintmax_t kMaxRomFileSize = 0xA00000; // 10 MiB
inline constexpr std::array<std::uint8_t, 4> kInesMagic = {'N', 'E', 'S', 0x1A};

// Why the last ReadRomFile refused a file; lets tools tell the user more than "corrupt".
enum class ImageFault { None, CannotOpen, TooLarge, ShortRead, NoHeader, NoMagic, Truncated, AlreadyLoaded };
const char* ImageFaultText(ImageFault fault);

// The iNES image layer: header, trainer, 16 KB PRG banks and CHR data of one ROM file.
class CNesRom {
public:
    std::array<std::uint8_t, kHeaderSize> header{};
    std::string fileName;
    std::uint8_t mapper = 0;
    std::uint32_t loaded = 0;
    Bytes fileBytes;
    Bytes trainer;
    std::vector<Bytes> prgBanks;
    Bytes chrData;
    std::vector<Tile> bankTiles;
    // Writing over an existing file keeps it as FILE.bak first (a setting of the editor; not image data).
    bool backupOnWrite = false;

    // 1 on success, 0 on any failure (the object is then reset). Refuses while an image is held.
    int ReadRomFile(const std::string& path);
    int ParseImage();
    // Writes the image to `path`, or to the stored file name when `path` is empty.
    int WriteRomFile(const std::string& path = {});
    void Reset();
    std::string FileName() const { return fileName; }
    ImageFault LastFault() const { return lastFault; }

    void LoadBankTiles(std::size_t offset);
    void StoreBankTiles(std::size_t offset);

    bool HasTrainer() const { return (header[6] & 0x04) != 0; }
    bool VerticalMirroring() const { return (header[6] & 0x01) != 0; }

private:
    ImageFault lastFault = ImageFault::None;
};

} // namespace tikaroo
