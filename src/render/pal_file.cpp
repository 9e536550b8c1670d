#include "pal_file.h"

#include "rom/file_io.h"

namespace tikaroo {

NesColourTable ParsePalColours(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kPalFileSize && bytes.size() != kPalFileWithEmphasisSize)
        throw PalFileError(kPalFileWrongSize);
    NesColourTable colours{};
    for (std::size_t n = 0; n < colours.size(); ++n) {
        const std::uint8_t* rgb = &bytes[3 * n];
        colours[n] = std::uint32_t{rgb[0]} << 16 | std::uint32_t{rgb[1]} << 8 | rgb[2];
    }
    return colours;
}

NesColourTable ReadPalFile(const std::string& path) {
    Bytes bytes;
    switch (ReadWholeFile(path, kPalFileWithEmphasisSize, bytes)) {
    case FileReadResult::Ok:
        return ParsePalColours(bytes);
    case FileReadResult::TooLarge:
        throw PalFileError(kPalFileWrongSize);
    default:
        throw PalFileError(kPalFileUnreadable);
    }
}

} // namespace tikaroo
