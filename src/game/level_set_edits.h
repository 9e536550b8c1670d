#pragma once

#include <cstdint>
#include <map>

namespace tikaroo {

// The game table keys level sets by one byte and cannot hold more.
inline constexpr std::size_t kMaxLevelSets = 255;
// A new level set starts with the top of the screen at 6 and the top of the floor at 9 everywhere.
inline constexpr std::uint8_t kNewLevelSetTops = 0x69;

// What the level set dialogs show of one set.
struct LevelSetSummaryEntry {
    std::uint8_t music = 0;
    std::uint8_t attributes = 0;
    bool notSelectable = false; // the set has not exactly 64 rooms (the boss rooms), so no level may take it

    bool operator==(const LevelSetSummaryEntry&) const = default;
};

using LevelSetSummary = std::map<std::uint8_t, LevelSetSummaryEntry>;

namespace level_set_attributes {
inline constexpr std::uint8_t kSeaLevel = 0x80;
inline constexpr std::uint8_t kGraphicSetMask = 0x70;
inline constexpr int kGraphicSetShift = 4;
inline constexpr std::uint8_t kAltObjectsPalette = 0x08;
inline constexpr std::uint8_t kBridgesMask = 0x07;
} // namespace level_set_attributes

} // namespace tikaroo
