#include "nes_rom.h"

#include "file_io.h"
#include "rom_error.h"

#include <algorithm>

namespace tikaroo {

const char* ImageFaultText(ImageFault fault) {
    switch (fault) {
    case ImageFault::None:
        return "no fault";
    case ImageFault::CannotOpen:
        return "the file cannot be opened";
    case ImageFault::TooLarge:
        return "the file is larger than 10 MiB";
    case ImageFault::ShortRead:
        return "the file could not be read whole";
    case ImageFault::NoHeader:
        return "the file is shorter than an iNES header";
    case ImageFault::NoMagic:
        return "the file is not an iNES image (no NES magic)";
    case ImageFault::Truncated:
        return "the file is shorter than its header declares";
    case ImageFault::AlreadyLoaded:
        return "an image is already loaded";
    }
    return "unknown fault";
}

int CNesRom::ReadRomFile(const std::string& path) {
    if (loaded != 0) {
        lastFault = ImageFault::AlreadyLoaded;
        return 0;
    }
    fileBytes.clear();
    const FileReadResult read = ReadWholeFile(path, kMaxRomFileSize, fileBytes);
    if (read != FileReadResult::Ok) {
        Reset();
        lastFault = read == FileReadResult::TooLarge    ? ImageFault::TooLarge
                    : read == FileReadResult::ShortRead ? ImageFault::ShortRead
                                                        : ImageFault::CannotOpen;
        return 0;
    }
    if (ParseImage() == 0) {
        const ImageFault fault = lastFault;
        Reset();
        lastFault = fault;
        return 0;
    }
    fileName = path;
    lastFault = ImageFault::None;
    return 1;
}

int CNesRom::ParseImage() {
    if (fileBytes.size() < kHeaderSize) {
        lastFault = ImageFault::NoHeader;
        return 0;
    }
    if (!std::equal(kInesMagic.begin(), kInesMagic.end(), fileBytes.begin())) {
        lastFault = ImageFault::NoMagic;
        return 0;
    }
    mapper = static_cast<std::uint8_t>((fileBytes[7] & 0xF0) | (fileBytes[6] >> 4));
    const bool hasTrainer = (fileBytes[6] & 0x04) != 0;
    const std::size_t prgCount = fileBytes[4];
    const std::size_t chrCount = fileBytes[5];
    const std::size_t required =
        kHeaderSize + (hasTrainer ? kTrainerSize : 0) + kPrgBankSize * prgCount + kChrBankSize * chrCount;
    if (fileBytes.size() < required) {
        lastFault = ImageFault::Truncated;
        return 0;
    }
    auto cursor = fileBytes.begin() + static_cast<std::ptrdiff_t>(kHeaderSize);
    if (hasTrainer) {
        trainer.insert(trainer.end(), cursor, cursor + kTrainerSize);
        cursor += kTrainerSize;
    }
    for (std::size_t bank = 0; bank < prgCount; ++bank) {
        prgBanks.emplace_back(cursor, cursor + kPrgBankSize);
        cursor += kPrgBankSize;
    }
    const auto chrBytes = static_cast<std::ptrdiff_t>(kChrBankSize * chrCount);
    chrData.insert(chrData.end(), cursor, cursor + chrBytes);
    std::copy_n(fileBytes.begin(), kHeaderSize, header.begin());
    loaded = 1;
    return 1;
}

int CNesRom::WriteRomFile(const std::string& path) {
    if (loaded == 0) return 0;
    header[4] = static_cast<std::uint8_t>(prgBanks.size());
    header[5] = static_cast<std::uint8_t>(chrData.size() / kChrBankSize);
    header[6] = static_cast<std::uint8_t>((header[6] & ~0x04) | (trainer.empty() ? 0 : 0x04));

    fileBytes.clear();
    fileBytes.insert(fileBytes.end(), header.begin(), header.end());
    fileBytes.insert(fileBytes.end(), trainer.begin(), trainer.end());
    for (std::size_t bank = 0; bank < header[4]; ++bank)
        fileBytes.insert(fileBytes.end(), prgBanks[bank].begin(), prgBanks[bank].end());
    fileBytes.insert(fileBytes.end(), chrData.begin(), chrData.end());

    const std::string target = path.empty() ? fileName : path;
    if (target.empty() ||
        !WriteFileAtomically(target, fileBytes, backupOnWrite ? target + ".bak" : std::string()))
        return 0;
    fileName = target;
    return 1;
}

void CNesRom::Reset() {
    fileName.clear();
    mapper = 0;
    loaded = 0;
    fileBytes.clear();
    prgBanks.clear();
    trainer.clear();
    chrData.clear();
    header.fill(0);
    lastFault = ImageFault::None;
}

void CNesRom::LoadBankTiles(std::size_t offset) {
    bankTiles.clear();
    if (offset + kChrBankSize > chrData.size()) throw RomError(errors::kChrLoadOutOfBank);
    bankTiles.reserve(kTilesPerChrBank);
    for (std::size_t tile = 0; tile < kTilesPerChrBank; ++tile)
        bankTiles.push_back(DecodeTile(&chrData[offset + tile * kPackedTileSize]));
}

void CNesRom::StoreBankTiles(std::size_t offset) {
    if (offset + kChrBankSize > chrData.size()) throw RomError(errors::kChrStoreOutOfBank);
    if (bankTiles.size() < kTilesPerChrBank) throw RomError(errors::kTooManyTiles);
    for (std::size_t tile = 0; tile < kTilesPerChrBank; ++tile)
        EncodeTile(bankTiles[tile], &chrData[offset + tile * kPackedTileSize]);
}

} // namespace tikaroo
