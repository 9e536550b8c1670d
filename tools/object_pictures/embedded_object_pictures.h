#pragma once

#include <cstdint>
#include <span>

namespace tikaroo {

// The editor's object pictures as packed at build time: an LZW stream of picture records.
std::span<const std::uint8_t> EmbeddedObjectPictures();

} // namespace tikaroo
