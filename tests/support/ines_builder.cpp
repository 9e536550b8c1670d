#include "support/ines_builder.h"

#include "rom/nes_rom.h"

namespace tikaroo::test {

std::uint8_t PrgPattern(std::size_t bank, std::size_t offset) {
    return static_cast<std::uint8_t>((offset * 7 + bank * 31 + (offset >> 8)) & 0xFF);
}

Bytes MakeInesFile(const InesShape& shape) {
    Bytes file = {'N', 'E', 'S', 0x1A};
    file.push_back(static_cast<std::uint8_t>(shape.prgBanks));
    file.push_back(static_cast<std::uint8_t>(shape.chrBanks));
    file.push_back(static_cast<std::uint8_t>((shape.mapper << 4) | (shape.trainer ? 0x04 : 0) |
                                             (shape.verticalMirroring ? 0x01 : 0)));
    file.push_back(static_cast<std::uint8_t>(shape.mapper & 0xF0));
    file.resize(kHeaderSize, 0);
    if (shape.trainer) file.insert(file.end(), kTrainerSize, 0x5A);
    for (std::size_t bank = 0; bank < shape.prgBanks; ++bank)
        for (std::size_t offset = 0; offset < kPrgBankSize; ++offset)
            file.push_back(PrgPattern(bank, offset));
    for (std::size_t offset = 0; offset < shape.chrBanks * kChrBankSize; ++offset)
        file.push_back(static_cast<std::uint8_t>((offset * 13 + (offset >> 13)) & 0xFF));
    return file;
}

std::uint8_t PeekOriginal8(const Bytes& file, std::uint32_t address) {
    return file.at(kHeaderSize + address - 0x8000);
}

std::uint16_t PeekOriginal16(const Bytes& file, std::uint32_t address) {
    return static_cast<std::uint16_t>(PeekOriginal8(file, address) | (PeekOriginal8(file, address + 1) << 8));
}

void PokeOriginal8(Bytes& file, std::uint32_t address, std::uint8_t value) {
    file.at(kHeaderSize + address - 0x8000) = value;
}

void PokeOriginal16(Bytes& file, std::uint32_t address, std::uint16_t value) {
    PokeOriginal8(file, address, static_cast<std::uint8_t>(value));
    PokeOriginal8(file, address + 1, static_cast<std::uint8_t>(value >> 8));
}

Bytes MakeOriginalFile(std::size_t prgBanks, std::size_t chrBanks) {
    Bytes file = MakeInesFile({.mapper = 3, .prgBanks = prgBanks, .chrBanks = chrBanks});
    if (prgBanks < 2) return file;
    PokeOriginal16(file, 0xBB50, kOriginalLevelSetPointers);
    for (std::uint32_t set = 0; set < 12; ++set)
        PokeOriginal16(file, kOriginalLevelSetPointers + 2 * set,
                       static_cast<std::uint16_t>(0xD9FA + 0xB0 * set));
    PokeOriginal16(file, 0xBB92, kOriginalLevelSetBytes);
    return file;
}

} // namespace tikaroo::test
