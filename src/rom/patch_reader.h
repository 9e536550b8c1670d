#pragma once

#include "patch_error.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tikaroo {

// Reads a patch file from the front; running short raises PatchError with the format's corrupt text.
class PatchReader {
public:
    PatchReader(std::span<const std::uint8_t> patch, const char* corruptText)
        : bytes(patch), corrupt(corruptText) {}

    std::size_t Left() const { return bytes.size() - at; }

    std::span<const std::uint8_t> Take(std::size_t count) {
        if (count > Left()) throw PatchError(corrupt);
        const auto taken = bytes.subspan(at, count);
        at += count;
        return taken;
    }

    std::size_t BigEndian(std::size_t count) {
        std::size_t value = 0;
        for (const std::uint8_t byte : Take(count)) value = value << 8 | byte;
        return value;
    }

    [[noreturn]] void Corrupt() const { throw PatchError(corrupt); }

private:
    std::span<const std::uint8_t> bytes;
    const char* corrupt;
    std::size_t at = 0;
};

inline bool StartsWith(std::span<const std::uint8_t> bytes, std::string_view magic) {
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

} // namespace tikaroo
