#pragma once

#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

namespace tikaroo {

using Bytes = std::vector<std::uint8_t>;

// Orders byte strings by length, then bytes: enough for maps that find equal strings. (Comparing vectors
// lexicographically trips a false stringop-overread warning of GCC 12 at -O3.)
struct BytesOrder {
    bool operator()(const Bytes& left, const Bytes& right) const {
        if (left.size() != right.size()) return left.size() < right.size();
        return !left.empty() && std::memcmp(left.data(), right.data(), left.size()) < 0;
    }
};

// Where each distinct byte string was placed.
template <typename Place>
using PlacedBytes = std::map<Bytes, Place, BytesOrder>;

} // namespace tikaroo
