#pragma once

#include "bytes.h"

#include <cstdint>
#include <span>

namespace tikaroo {

// The object pictures are packed as LZW with fixed 12-bit codes, most significant bit first.
// Codes 0-255 are single bytes, 256-4094 are defined while decoding, 4095 ends the stream.
inline constexpr unsigned kLzwCodeBits = 12;
inline constexpr unsigned kLzwFirstFreeCode = 256;
inline constexpr unsigned kLzwEndCode = 4095;

// Decodes a stream up to its end code. A corrupt stream (input used up before the end code, or a code that
// is neither defined nor the next free one) ends decoding there; the bytes decoded so far are returned.
Bytes LzwDecode(std::span<const std::uint8_t> stream);

} // namespace tikaroo
