#pragma once

#include "rom/bytes.h"

#include <cstdint>
#include <span>

namespace tikaroo {

// Packs `data` for LzwDecode: 12-bit codes, most significant bit first, the dictionary defined in the same
// order as the decoder defines it, then the end code and zero bits up to the next byte.
Bytes LzwEncode(std::span<const std::uint8_t> data);

} // namespace tikaroo
