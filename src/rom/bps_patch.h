#pragma once

#include "bytes.h"

#include <cstdint>
#include <span>

namespace tikaroo {

// BPS patches: actions that build the target from runs of the source, new bytes and copies of earlier
// source or target bytes, guarded by CRC-32 checksums of the source, the target and the patch.
inline constexpr std::size_t kMaxBpsFileSize = std::size_t{16} << 20;

// A patch that turns `original` into `edited`, using copies where they are shorter than new bytes.
// Raises PatchError when either file is larger than kMaxBpsFileSize.
Bytes MakeBpsPatch(std::span<const std::uint8_t> original, std::span<const std::uint8_t> edited);

// The edited file. Raises PatchError when the patch is not BPS, is damaged (its own checksum, its
// actions or the result's checksum), or was made for another original file.
Bytes ApplyBpsPatch(std::span<const std::uint8_t> original, std::span<const std::uint8_t> patch);

} // namespace tikaroo
