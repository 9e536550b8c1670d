#pragma once

#include "bytes.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace tikaroo {

// The files a patch is made of are game images; no format here patches files beyond this size.
inline constexpr std::uintmax_t kMaxPatchedFileSize = std::uintmax_t{16} << 20;
// A patch of such files stays well below this size.
inline constexpr std::uintmax_t kMaxPatchFileSize = 4 * kMaxPatchedFileSize;

struct PatchFormat {
    std::string_view name;
    std::string_view extension; // lower case, with the dot
    std::string_view magic;     // the first bytes of every patch
    Bytes (*make)(std::span<const std::uint8_t> original, std::span<const std::uint8_t> edited);
    Bytes (*apply)(std::span<const std::uint8_t> original, std::span<const std::uint8_t> patch);
};

// The format a patch file of this name is written in, by its extension in any case; null for none.
const PatchFormat* PatchFormatForName(std::string_view path);
// The format of a patch, by its first bytes; null for none.
const PatchFormat* PatchFormatOf(std::span<const std::uint8_t> patch);

} // namespace tikaroo
