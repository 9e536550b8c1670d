#include "sample_objects.h"

#include <numeric>

namespace tikaroo::sample {

namespace {

constexpr std::uint32_t kUnit = 8; // object positions are multiples of 8 pixels
constexpr std::uint32_t kRoomUnits = 16;
constexpr std::uint32_t kBonusAreaRooms = 16;

// The ids of each list, as the object settings put them: fruits in list 2, bridges and handlers in
// list 3, everything else in list 1.
std::vector<std::uint8_t> IdsOfList(std::size_t list) {
    std::vector<std::uint8_t> ids;
    for (int id = 1; id < 64; ++id) {
        const std::size_t home = (id >= 16 && id <= 21) ? 1 : (id >= 58 ? 2 : 0);
        if (home == list) ids.push_back(static_cast<std::uint8_t>(id));
    }
    return ids;
}

// Parameters by their meaning for ids 56 and above; `seed` varies them.
void SetParameters(ObjectEntry& entry, std::size_t seed) {
    const auto bridge = [seed] { // top of bridge (signed, -4..3) and handler (0-7)
        const int top = static_cast<int>(seed % 8) - 4;
        return static_cast<std::uint8_t>((top & 0x1F) << 3 | seed % 8);
    };
    if (entry.id == 56) { // beetle: height, climb height, sleeping
        entry.param1 = static_cast<std::uint8_t>(seed % 8 << 5 | (seed / 2) % 8 << 2 | (seed % 2) << 1);
    } else if (entry.id == 57) {
        entry.param1 = static_cast<std::uint8_t>(16 * (1 + seed % 8));
    } else if (entry.id == 58 || entry.id == 59) {
        entry.param1 = bridge();
    } else if (entry.id == 60 || entry.id == 61) {
        entry.param1 = static_cast<std::uint8_t>(0x20 + seed % 32);
    } else if (entry.id >= kFirstObjectWithParam2) {
        entry.param1 = bridge();
        entry.param2 = seed % 2 == 0 ? 48 : 0xE0; // sensitivity distance 48 or -32
    }
}

// `count` objects from `ids` (taken in turn from `first`), starting at unit `start`; `step(j)` is the
// distance in units to the next object.
template <typename Step>
ObjectsList MakeList(const std::vector<std::uint8_t>& ids, std::size_t first, std::size_t count,
                     std::uint32_t start, Step step) {
    ObjectsList list;
    std::uint32_t units = start;
    for (std::size_t j = 0; j < count; ++j) {
        ObjectEntry entry;
        entry.id = ids[(first + j) % ids.size()];
        entry.x = units * kUnit;
        SetParameters(entry, first + j);
        list.push_back(entry);
        units += step(j);
    }
    return list;
}

} // namespace

void AddObjects(std::vector<Level>& levels, std::vector<Level>& bonusLevels, const BonusArea& bonusArea) {
    const std::array<std::vector<std::uint8_t>, kObjectsListCount> ids = {IdsOfList(0), IdsOfList(1),
                                                                          IdsOfList(2)};
    for (std::size_t s = 0; s < kPlayableLevelCount; ++s) {
        auto& lists = levels[s].objectLists;
        // Groups of three close together (short steps), then a long way to the next group.
        lists[0] = MakeList(ids[0], s * 14, 14, 12 + s % 5 * 4, [s](std::size_t j) {
            return j % 3 == 2 ? 150 + (j * 13 + s * 7) % 50 : 4 + (j * 5 + s) % 12;
        });
        lists[1] = MakeList(ids[1], s, 6, 20 + s % 7, [s](std::size_t j) { return 20 + (j * 7 + s) % 30; });
        if (s % 2 == 0)
            lists[2] = MakeList(ids[2], s / 2 * 2, 2, 200 + s * 10, [s](std::size_t) { return 40 + s; });
    }
    // Shared lists: the same objects in two levels.
    levels[31].objectLists[0] = levels[27].objectLists[0];
    levels[30].objectLists[1] = levels[2].objectLists[1];

    const std::uint32_t areaStart = bonusArea.beginFrom * kBonusAreaRooms * kRoomUnits;
    for (std::size_t b = 0; b < kBonusLevelCount; ++b) {
        auto& lists = bonusLevels[b].objectLists;
        lists[0] =
            b < 5 ? MakeList(ids[0], b * 5 + 17, 5, areaStart + 4 + 2 * b, [](std::size_t) { return 30; })
                  : bonusLevels[b - 4].objectLists[0];
        lists[1] = MakeList(ids[1], b, 8, areaStart + 14, [b](std::size_t j) { return 20 + (j + b) % 10; });
    }
}

std::vector<ObjectType> SampleObjectTypes() {
    std::vector<ObjectType> types(kObjectTypeCount);
    for (std::size_t id = 0; id < kObjectTypeCount; ++id) {
        ObjectType& type = types[id];
        const auto kind = static_cast<std::uint8_t>(id == 0 ? 0 : 1 + id % 7);
        const bool fruit = id >= 16 && id <= 21;
        const bool bridge = id >= 58 && id < 64;
        const int offset = fruit ? -8 : (bridge ? 0 : (id >= 64 ? -24 : -16)); // marker above the floor
        type.descriptor = {static_cast<std::uint8_t>(id << 3 | kind),
                           static_cast<std::uint8_t>(0x40 + id / 8),
                           static_cast<std::uint8_t>(offset),
                           static_cast<std::uint8_t>(16 + 8 * (id % 3)),
                           static_cast<std::uint8_t>(16 + 8 * (id % 2)),
                           static_cast<std::uint8_t>(id % 4)};
        // The derived value, as the game's program forms it from the first two bytes.
        const auto value = static_cast<std::uint16_t>(type.descriptor[1] << 5 | type.descriptor[0] >> 3);
        type.kind = kind;
        type.value = kind >= 4 ? static_cast<std::uint16_t>(value + 0x9E20) : (kind >= 1 ? value & 0xFF : 0);
    }
    return types;
}

std::array<std::int8_t, kObjectImageConstantCount> SampleObjectImageConstants() {
    return {24, 32, 40, 48, 56, 8, 16}; // fruits 16-20 above the floor, stones 9 and 10 on odd places
}

} // namespace tikaroo::sample
