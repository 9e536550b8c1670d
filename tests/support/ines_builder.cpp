#include "support/ines_builder.h"

#include "rom/nes_rom.h"

namespace tikaroo::test {

std::uint8_t PrgPattern(std::size_t bank, std::size_t offset) {
    return static_cast<std::uint8_t>((offset * 7 + bank * 31 + (offset >> 8)) & 0xFF);
}

Bytes MakeInesFile(const InesShape& shape) {
    Bytes file = {'N',
                  'E',
                  'S',
                  0x1A,
                  static_cast<std::uint8_t>(shape.prgBanks),
                  static_cast<std::uint8_t>(shape.chrBanks)};
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

} // namespace tikaroo::test
