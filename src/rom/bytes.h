#pragma once

#include <cstdint>
#include <vector>

namespace tikaroo {

using Bytes = std::vector<std::uint8_t>;

} // namespace tikaroo
