#pragma once

#include "rom/bytes.h"

#include <cstdint>
#include <iosfwd>
#include <string>

namespace tikaroo::cli {

// Reads a whole input file of at most `maxSize` bytes; on failure prints one line on `err` and returns
// false.
bool ReadInput(const std::string& path, std::uintmax_t maxSize, Bytes& bytes, std::ostream& err);

} // namespace tikaroo::cli
