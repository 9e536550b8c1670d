#pragma once

#include "rom/bytes.h"

#include <cstdint>
#include <span>

namespace tikaroo {

// Splits 1-7 bytes, read as one big-endian number, into fields of the given widths, most significant
// bits first, one byte per field. Eight or more bytes (or none) yield nothing. Widths that ask for more
// bits than the bytes hold raise "array bitfield is out of range".
Bytes unpackBits(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> widths);

} // namespace tikaroo
