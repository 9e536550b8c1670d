#pragma once

#include "rom/bytes.h"
#include "rom/game_image.h"

#include <cstdint>

namespace tikaroo {

// Lays bytes down one after the other in the CPU window from a running address; the encoders use it
// so that every table starts exactly where the previous one ended.
class TableWriter {
public:
    TableWriter(CGameImage& target, std::uint32_t start) : image(target), address(start) {}

    void Byte(std::uint8_t value) {
        image.Write8(address, value);
        ++address;
    }
    void Word(std::uint16_t value) {
        image.Write16(address, value);
        address += 2;
    }
    void Block(const Bytes& bytes) {
        image.WriteBlock(address, bytes);
        address += static_cast<std::uint32_t>(bytes.size());
    }
    std::uint32_t Address() const { return address; }

private:
    CGameImage& image;
    std::uint32_t address;
};

} // namespace tikaroo
