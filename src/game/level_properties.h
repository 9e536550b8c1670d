#pragma once

#include <array>
#include <cstdint>

namespace tikaroo {

// The settings of one level that the level properties dialog edits.
struct LevelProperties {
    std::uint8_t eggValues = 0;
    std::uint8_t levelSet = 0;
    std::uint8_t paletteSet = 0;
    std::uint8_t paletteUpdater = 0;
    std::array<std::uint8_t, 4> tops{}; // of the level set the level has when they are taken

    bool operator==(const LevelProperties&) const = default;
};

} // namespace tikaroo
