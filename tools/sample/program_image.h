#pragma once

#include "rom/bytes.h"
#include "sample_layout.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tikaroo::sample {

// A run of bytes that the sample wrote into the program.
struct WrittenRun {
    std::string what;
    CpuPtr address;
    std::size_t size;
};

// The 32 KB program of the original cartridge ($8000-$FFFF: PRG bank 0, then the fixed bank 1),
// zero where the sample writes nothing, with a record of every write.
class ProgramImage {
public:
    static constexpr std::size_t kSize = 0x8000;

    void Put(std::string_view what, CpuPtr address, const Bytes& bytes);
    void PutByte(std::string_view what, CpuPtr address, std::uint8_t value) { Put(what, address, {value}); }
    void PutWord(std::string_view what, CpuPtr address, std::uint16_t value);
    // A pointer word of the game's program (at `location`) to a table of `place`.
    void PutPointer(CpuPtr location, const TablePlace& place, CpuPtr target);

    const Bytes& Bytes32K() const { return bytes; }
    const std::vector<WrittenRun>& Runs() const { return runs; }

private:
    Bytes bytes = Bytes(kSize, 0);
    std::vector<WrittenRun> runs;
};

// Lays tables one after the other into a place of the sample layout; written when finished.
class TableFill {
public:
    TableFill(ProgramImage& target, const TablePlace& where) : image(target), place(where) {}
    // Appends `bytes` and returns the address where they start.
    CpuPtr Append(const Bytes& bytes);
    CpuPtr Next() const { return static_cast<CpuPtr>(place.address + content.size()); }
    void Finish() { image.Put(place.name, place.address, content); }

private:
    ProgramImage& image;
    const TablePlace& place;
    Bytes content;
};

// Packs fields most significant bit first, continuing in the last byte.
class BitPacker {
public:
    void Put(std::uint32_t value, unsigned width);
    const Bytes& Packed() const { return bytes; }

private:
    Bytes bytes;
    unsigned bitCount = 0;
};

} // namespace tikaroo::sample
