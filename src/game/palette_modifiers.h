#pragma once

#include "model.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tikaroo {

inline constexpr std::size_t kSubPalettes = 4;
inline constexpr std::size_t kPaletteColours = 16;
inline constexpr std::size_t kSubPaletteSize = kPaletteColours / kSubPalettes;
inline constexpr std::uint8_t kBackgroundColour = 0x0F;
inline constexpr std::uint8_t kNesColourCount = 64;
// A grid colour no modifier sets: 0x40 and above is outside the NES colours.
inline constexpr std::uint8_t kUnsetColour = 0x40;
// Modifier keys and room effects cover the 64 rooms of a level set.
inline constexpr std::size_t kUpdaterRooms = kRoomsPerLevelSet;

// Sixteen colours laid out like a palette set: entry e is position e % 4 of sub-palette e / 4.
using PaletteGrid = std::array<std::uint8_t, kPaletteColours>;

// A modifier as a grid: a sub-palette it sets holds the background colour and its three colours, one it
// does not set holds kUnsetColour four times. Entries naming sub-palette 4 or more have no row.
PaletteGrid ModifierGrid(const PaletteModifier& modifier);
// One entry per set row, in row order, under `key`.
PaletteModifier GridModifier(std::uint8_t key, const PaletteGrid& grid);
bool GridRowSet(const PaletteGrid& grid, std::size_t row);

// Sets colours 1-3 (and the background colour) of every sub-palette the modifier names, in entry
// order; the game stops reading a modifier at an entry naming sub-palette 4 or more.
void ApplyModifier(PaletteGrid& colours, const PaletteModifier& modifier);

// Index of the modifier keyed `room`, if any.
std::optional<std::size_t> FindModifier(const PaletteUpdater& updater, std::uint8_t room);
// Replaces the modifier with the same key, or inserts before the first one with a greater key, so the
// updater keeps one modifier per room (the image holds no more) in ascending key order.
void PutModifier(PaletteUpdater& updater, PaletteModifier modifier);

// What an updater does at one room: the modifier keyed there, if any, and the colours in force.
struct RoomEffect {
    std::optional<std::size_t> modifier;
    PaletteGrid colours{}; // kUnsetColour where no modifier has set a colour yet
};
using RoomEffects = std::array<RoomEffect, kUpdaterRooms>;

// Each modifier, in order, applies from its key's room to the last room, as the level picture shows it.
RoomEffects UpdaterRoomEffects(const PaletteUpdater& updater);

} // namespace tikaroo
