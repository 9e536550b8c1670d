#include "graphic_sets_encoder.h"

#include "bit_writer.h"
#include "fixed_locations.h"
#include "rom/rom_error.h"
#include "table_encoding.h"
#include "table_writer.h"

#include <algorithm>

namespace tikaroo {

namespace {

using namespace encoding;

void MarkUsedGraphicSets(GameTables& tables) {
    for (auto& entry : tables.graphicSets) entry.second.used = 0;
    for (const auto& entry : tables.levelSets) {
        const auto graphicSet = tables.graphicSets.find(entry.second.GraphicSetId());
        if (graphicSet != tables.graphicSets.end()) graphicSet->second.used = 1;
    }
}

// Entries 0 .. last of `entries`, which must hold that many.
template <typename Entry>
std::vector<Entry> Referenced(const std::vector<Entry>& entries, std::size_t last, const char* overflow) {
    if (entries.size() < last + 1) throw RomError(overflow);
    return std::vector<Entry>(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(last + 1));
}

template <typename Line>
std::uint8_t LargestBlock(const std::vector<Line>& lines) {
    std::uint8_t largest = 0;
    for (const Line& line : lines) largest = std::max(largest, *std::max_element(line.begin(), line.end()));
    return largest;
}

template <typename Entry>
void WriteEntries(TableWriter& data, const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) data.Block(Bytes(entry.begin(), entry.end()));
}

// Writes the six tables of a used set at the running data address and their addresses as its
// descriptor.
void WriteGraphicSet(TableWriter& descriptor, TableWriter& data, const GraphicSet& set) {
    descriptor.Word(static_cast<std::uint16_t>(data.Address()));
    Bytes packedRooms;
    BitWriter roomBits(packedRooms);
    std::uint8_t lastLineGeom = 0;
    for (const SetRoom& room : set.rooms) {
        for (std::size_t i = 0; i < room.size(); ++i) {
            // A room names at most 64 LineGeom entries; masking a larger index would show another column.
            if (room[i] >= 1U << kSetRoomFieldBits[i]) throw RomError(errors::kLineGeomOverflow);
            roomBits.Put(room[i], kSetRoomFieldBits[i]);
            lastLineGeom = std::max(lastLineGeom, room[i]);
        }
    }
    data.Block(packedRooms);

    descriptor.Word(static_cast<std::uint16_t>(data.Address()));
    const std::vector<LineGeom> lineGeom = Referenced(set.lineGeom, lastLineGeom, errors::kLineGeomOverflow);
    std::uint8_t lastTopLines = 0;
    std::uint8_t lastBottomLines = 0;
    for (const LineGeom entry : lineGeom) {
        data.Word(entry);
        lastTopLines = std::max(lastTopLines, static_cast<std::uint8_t>(entry));
        lastBottomLines = std::max(lastBottomLines, static_cast<std::uint8_t>(entry >> 8));
    }

    descriptor.Word(static_cast<std::uint16_t>(data.Address()));
    const std::vector<TopLines> topLines = Referenced(set.topLines, lastTopLines, errors::kTopLinesOverflow);
    WriteEntries(data, topLines);

    descriptor.Word(static_cast<std::uint16_t>(data.Address()));
    const std::vector<BottomLines> bottomLines =
        Referenced(set.bottomLines, lastBottomLines, errors::kBottomLinesOverflow);
    WriteEntries(data, bottomLines);
    const std::uint8_t lastBlock = std::max(LargestBlock(topLines), LargestBlock(bottomLines));

    descriptor.Word(static_cast<std::uint16_t>(data.Address()));
    WriteEntries(data, Referenced(set.blocks, lastBlock, errors::kBlocksOverflow));

    descriptor.Word(static_cast<std::uint16_t>(data.Address()));
    for (const BlockAttributes& attributes :
         Referenced(set.attributes, lastBlock, errors::kAttributesOverflow)) {
        Bytes packed;
        BitWriter bits(packed);
        for (std::size_t i = 0; i < attributes.size(); ++i)
            bits.Put(attributes[i], kBlockAttributeFieldBits[i]);
        data.Block(packed);
    }
}

} // namespace

std::uint32_t EncodeGraphicSets(CGameImage& image, GameTables& tables, std::uint32_t address) {
    MarkUsedGraphicSets(tables);
    image.MapBank(layout::kTablesBank);
    image.Write16(layout::kGraphicSetDescriptorsPtr, static_cast<std::uint16_t>(address));
    TableWriter descriptors(image, address);
    TableWriter data(
        image, address + static_cast<std::uint32_t>(kGraphicSetDescriptorSize * tables.graphicSets.size()));
    for (const auto& entry : tables.graphicSets) {
        if (entry.second.used != 0) {
            WriteGraphicSet(descriptors, data, entry.second);
        } else {
            for (std::size_t i = 0; i < kGraphicSetTableCount; ++i) descriptors.Word(0);
        }
    }
    return data.Address();
}

} // namespace tikaroo
