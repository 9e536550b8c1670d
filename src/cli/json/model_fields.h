#pragma once

#include "game/model.h"

#include <array>
#include <cstdint>

namespace tikaroo::cli {

// A number field of a model record with its name in the JSON form and the values the model allows:
// min to max, in steps of `step` from 0.
template <typename Record>
struct NumberField {
    const char* name;
    std::int64_t min;
    std::int64_t max;
    std::int64_t step;
    std::int64_t (*get)(const Record&);
    void (*set)(Record&, std::int64_t);
};

template <typename Member>
struct MemberOf;
template <typename Record, typename Value>
struct MemberOf<Value Record::*> {
    using RecordType = Record;
    using ValueType = Value;
};

template <auto member>
constexpr auto Field(const char* name, std::int64_t min, std::int64_t max, std::int64_t step = 1) {
    using Record = typename MemberOf<decltype(member)>::RecordType;
    using Value = typename MemberOf<decltype(member)>::ValueType;
    return NumberField<Record>{
        name,
        min,
        max,
        step,
        [](const Record& record) -> std::int64_t { return record.*member; },
        [](Record& record, std::int64_t value) { record.*member = static_cast<Value>(value); }};
}

inline constexpr std::int64_t kByteMax = 255;
inline constexpr std::int64_t kMaxObjectX = 1024 * 8 - 1;
inline constexpr std::int64_t kObjectXStep = 8;

inline constexpr std::array kLevelFields = {
    Field<&Level::levelSet>("levelSet", 0, kByteMax),
    Field<&Level::eggValues>("eggValues", 0, kByteMax),
    Field<&Level::paletteSet>("paletteSet", 0, kPaletteSetCount - 1),
    Field<&Level::paletteUpdater>("paletteUpdater", 0, kNoPaletteUpdater),
};

inline constexpr std::array kObjectEntryFields = {
    Field<&ObjectEntry::id>("id", 1, 63),
    Field<&ObjectEntry::x>("x", 0, kMaxObjectX, kObjectXStep),
    Field<&ObjectEntry::param1>("param1", 0, kByteMax),
    Field<&ObjectEntry::param2>("param2", 0, kByteMax),
};

inline constexpr std::array kLevelSetFields = {
    Field<&LevelSet::id>("id", 0, kByteMax),
    Field<&LevelSet::attributes>("attributes", 0, kByteMax),
    Field<&LevelSet::music>("music", 0, 14),
};

inline constexpr std::array kLevelRoomFields = {
    Field<&LevelRoom::setRoom>("setRoom", 0, 63),      Field<&LevelRoom::scroll>("scroll", 0, 3),
    Field<&LevelRoom::background>("background", 0, 7), Field<&LevelRoom::floorShift>("floorShift", 0, 7),
    Field<&LevelRoom::slideFloor>("slideFloor", 0, 3), Field<&LevelRoom::fruitsHeight>("fruitsHeight", 0, 15),
    Field<&LevelRoom::floorGeom>("floorGeom", 0, 15),
};

inline constexpr std::array kGameSettingsFields = {
    Field<&GameSettings::speed>("speed", 1, kMaxSpeed),
    Field<&GameSettings::extraSpeed>("extraSpeed", 1, kMaxSpeed),
    Field<&GameSettings::sbSpeed>("sbSpeed", 1, kMaxSpeed),
    Field<&GameSettings::extraSbSpeed>("extraSbSpeed", 1, kMaxSpeed),
    Field<&GameSettings::jump>("jump", 0, 127),
    Field<&GameSettings::extraJump>("extraJump", 0, 127),
    Field<&GameSettings::safeMode>("safeMode", 0, 1),
    Field<&GameSettings::holes>("holes", 0, 1),
    Field<&GameSettings::grabSkateboards>("grabSkateboards", 0, 1),
    Field<&GameSettings::beginArea>("beginArea", 0, 7),
    Field<&GameSettings::beginRound>("beginRound", 0, 3),
    Field<&GameSettings::beginFrom>("beginFrom", 0, 3),
    Field<&GameSettings::weapon>("weapon", 0, 2),
    Field<&GameSettings::dropsCount>("dropsCount", 1, 10),
    Field<&GameSettings::lives>("lives", 1, 9),
};

inline constexpr std::array kBonusAreaFields = {
    Field<&BonusArea::area>("area", 0, kPlayableLevelCount - 1),
    Field<&BonusArea::beginFrom>("beginFrom", 0, 3),
    Field<&BonusArea::length>("length", 1, kRoomsPerLevelSet),
};

} // namespace tikaroo::cli
