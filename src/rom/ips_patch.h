#pragma once

#include "bytes.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace tikaroo {

// IPS patches: records that write new bytes, or one byte repeated, at 24-bit offsets; a target shorter
// than the original is cut by the length after the end mark.
inline constexpr std::string_view kIpsMagic = "PATCH";
inline constexpr std::size_t kIpsOffsetLimit = std::size_t{1} << 24;

// The records that turn `original` into `edited`. Raises PatchError when either file reaches 16 MiB.
Bytes MakeIpsPatch(std::span<const std::uint8_t> original, std::span<const std::uint8_t> edited);

// The edited file; raises PatchError on a file that is not a whole IPS patch.
Bytes ApplyIpsPatch(std::span<const std::uint8_t> original, std::span<const std::uint8_t> patch);

} // namespace tikaroo
