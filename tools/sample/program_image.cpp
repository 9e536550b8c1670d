#include "program_image.h"

#include <algorithm>
#include <stdexcept>

namespace tikaroo::sample {

void ProgramImage::Put(std::string_view what, CpuPtr address, const Bytes& data) {
    if (address < 0x8000 || address - 0x8000 + data.size() > kSize) {
        throw std::logic_error("sample table outside the cartridge: " + std::string(what));
    }
    std::copy(data.begin(), data.end(), bytes.begin() + (address - 0x8000));
    runs.push_back({std::string(what), address, data.size()});
}

void ProgramImage::PutWord(std::string_view what, CpuPtr address, std::uint16_t value) {
    Put(what, address, {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8)});
}

void ProgramImage::PutPointer(CpuPtr location, const TablePlace& place, CpuPtr target) {
    PutWord("pointer to the " + std::string(place.name), location, target);
}

CpuPtr TableFill::Append(const Bytes& bytes) {
    const CpuPtr start = Next();
    if (content.size() + bytes.size() > place.capacity) {
        throw std::logic_error("the sample's " + std::string(place.name) + " outgrow their place");
    }
    content.insert(content.end(), bytes.begin(), bytes.end());
    return start;
}

void BitPacker::Put(std::uint32_t value, unsigned width) {
    for (unsigned bit = width; bit-- > 0;) {
        if (bitCount % 8 == 0) bytes.push_back(0);
        if ((value >> bit) & 1) bytes.back() |= static_cast<std::uint8_t>(0x80 >> (bitCount % 8));
        ++bitCount;
    }
}

} // namespace tikaroo::sample
