#pragma once

#include "nes_colors.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace tikaroo {

// A .pal colour file: 64 colours of three bytes (red, green, blue), colour n for NES colour n. A file of
// 1536 bytes carries eight variants for the colour emphasis bits; its first 64 colours are the plain set.
inline constexpr std::size_t kPalFileSize = 64 * 3;
inline constexpr std::size_t kPalFileWithEmphasisSize = 8 * kPalFileSize;

class PalFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kPalFileUnreadable = "The colour file cannot be read";
inline constexpr const char* kPalFileWrongSize = "A colour file holds 192 or 1536 bytes";

// The colours of a .pal file's bytes; raises PalFileError for another size.
NesColourTable ParsePalColours(std::span<const std::uint8_t> bytes);
// Reads and parses a .pal file; raises PalFileError when it cannot be read or has another size.
NesColourTable ReadPalFile(const std::string& path);

} // namespace tikaroo
