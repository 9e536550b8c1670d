#include "objects_encoder.h"

#include "bit_writer.h"
#include "fixed_locations.h"
#include "rom/rom_error.h"
#include "save_layout.h"
#include "table_encoding.h"
#include "table_writer.h"

#include <algorithm>

namespace tikaroo {

namespace {

using namespace encoding;

// The game's own lists never use the short form for steps of this many pixels or more, although
// six bits of 8-pixel steps would reach 504; streams keep that form.
constexpr std::uint32_t kShortStepLimit = 379;
constexpr std::uint32_t kLongestShortStep = ((1U << kObjectStepBits) - 1) * kObjectPositionUnit;
constexpr std::uint32_t kPositionMask = (1U << kObjectPositionBits) - 1;

std::uint32_t Position(std::uint32_t x) {
    return x / kObjectPositionUnit;
}

void PutObject(BitWriter& bits, const ObjectEntry& object) {
    bits.Put(object.id, kObjectIdBits);
    if (object.id >= kFirstObjectWithParam1) bits.Put(object.param1, kObjectParamBits);
    if (object.id >= kFirstObjectWithParam2) bits.Put(object.param2, kObjectParamBits);
}

void PutShortStep(BitWriter& bits, std::uint32_t step) {
    bits.Put(0, kObjectLongFlagBits);
    bits.Put(Position(step), kObjectStepBits);
}

void PutLongPosition(BitWriter& bits, std::uint32_t x) {
    bits.Put(1, kObjectLongFlagBits);
    bits.Put(Position(x), kObjectPositionBits);
}

// How the reader gets from `previous` to the next object at `x` (the list is sorted, so x >= previous).
void PutPlacement(BitWriter& bits, std::uint32_t previous, std::uint32_t x) {
    const std::uint32_t step = x - previous;
    // Past the long form's ten bits only short steps reach; a read list always gets there that way,
    // its objects standing no farther apart than the steps that put them there.
    const bool pastLongForm = Position(x) > kPositionMask;
    if ((step > 0 && step < kShortStepLimit) || (pastLongForm && step <= kLongestShortStep)) {
        PutShortStep(bits, step);
    } else if ((Position(x) & kPositionMask) == 0) {
        // A long position of 0 would end the list here and lose every later object; a short step of 0
        // puts the object at the previous x, which is where it stands (or, past the wrap, as close as
        // the stream can say).
        PutShortStep(bits, 0);
    } else {
        PutLongPosition(bits, x);
    }
}

} // namespace

void SortObjectsList(ObjectsList& list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const ObjectEntry& left, const ObjectEntry& right) { return left.x < right.x; });
}

void EncodeObjectsList(ObjectsList& list, Bytes& out) {
    SortObjectsList(list);
    out.clear();
    if (list.empty()) return;
    BitWriter bits(out);
    bits.Put(Position(list.front().x), kObjectsStartBits);
    PutObject(bits, list.front());
    for (std::size_t i = 1; i < list.size(); ++i) {
        PutPlacement(bits, list[i - 1].x, list[i].x);
        PutObject(bits, list[i]);
    }
    PutLongPosition(bits, 0); // the end of the list
    if (bits.BitPosition() == 0) out.push_back(0);
}

std::uint32_t EncodeObjects(CGameImage& image, GameTables& tables) {
    image.MapBank(layout::kTablesBank);
    const CpuPtr lowBytes = image.Read16(layout::kObjectsTableLowPtr);
    const CpuPtr highBytes = image.Read16(layout::kObjectsTableHighPtr);
    image.MapBank(layout::kObjectsBank);

    TableWriter table(image, layout::kObjectsTables);
    std::uint32_t streamAt = layout::kObjectsStreamsStart;
    PlacedBytes<CpuPtr> written; // identical streams are stored once
    Bytes stream;
    const auto encodeLevel = [&](Level& level) {
        for (ObjectsList& list : level.objectLists) {
            EncodeObjectsList(list, stream);
            if (stream.empty()) {
                table.Word(0);
                continue;
            }
            const auto [entry, isNew] = written.try_emplace(stream, static_cast<CpuPtr>(streamAt));
            if (isNew) {
                if (streamAt + stream.size() > layout::kSwitchableEnd)
                    throw RomError(errors::kNotEnoughMemory);
                image.WriteBlock(streamAt, stream);
                streamAt += static_cast<std::uint32_t>(stream.size());
            }
            table.Word(entry->second);
        }
    };
    for (std::size_t slot = 0; slot < kLevelSlotCount; ++slot) encodeLevel(tables.levels.at(slot));
    const auto bonusTable = static_cast<CpuPtr>(table.Address());
    for (std::size_t bonus = 0; bonus < kBonusLevelCount; ++bonus) encodeLevel(tables.bonusLevels.at(bonus));

    image.MapBank(layout::kTablesBank);
    const std::array<CpuPtr, 2> objectsTables = {layout::kObjectsTables, bonusTable};
    for (std::size_t i = 0; i < objectsTables.size(); ++i) {
        image.Write8(lowBytes + static_cast<std::uint32_t>(i), static_cast<std::uint8_t>(objectsTables[i]));
        image.Write8(highBytes + static_cast<std::uint32_t>(i),
                     static_cast<std::uint8_t>(objectsTables[i] >> 8));
    }
    return table.Address();
}

} // namespace tikaroo
