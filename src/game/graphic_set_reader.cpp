// Reads the graphic sets. The image stores no counts: each table holds as many entries as the
// largest index that the table above it uses.
#include "fixed_locations.h"
#include "table_encoding.h"
#include "table_readers.h"
#include "unpack_bits.h"

#include <algorithm>

namespace tikaroo {

namespace {

using encoding::GraphicSetTable;

struct GraphicSetDescriptor {
    std::array<std::uint32_t, encoding::kGraphicSetTableCount> tables{};

    std::uint32_t At(GraphicSetTable table, std::size_t entrySize, std::size_t index) const {
        return tables[static_cast<std::size_t>(table)] + static_cast<std::uint32_t>(entrySize * index);
    }
};

GraphicSetDescriptor ReadDescriptor(const CGameImage& image, std::uint8_t id) {
    const std::uint32_t at = image.Read16(layout::kGraphicSetDescriptorsPtr) +
                             static_cast<std::uint32_t>(encoding::kGraphicSetDescriptorSize * id);
    GraphicSetDescriptor descriptor;
    for (std::size_t table = 0; table < descriptor.tables.size(); ++table)
        descriptor.tables[table] = image.Read16(at + 2 * static_cast<std::uint32_t>(table));
    return descriptor;
}

// Reads `count` fixed-size entries and returns the largest byte they hold.
template <std::size_t N>
std::uint8_t ReadByteEntries(const CGameImage& image, const GraphicSetDescriptor& descriptor,
                             GraphicSetTable table, std::size_t count,
                             std::vector<std::array<std::uint8_t, N>>& out) {
    std::uint8_t largest = 0;
    Bytes bytes;
    out.clear();
    for (std::size_t i = 0; i < count; ++i) {
        image.ReadBlock(descriptor.At(table, N, i), N, bytes);
        std::array<std::uint8_t, N> entry{};
        std::copy(bytes.begin(), bytes.end(), entry.begin());
        largest = std::max(largest, *std::max_element(entry.begin(), entry.end()));
        out.push_back(entry);
    }
    return largest;
}

} // namespace

void MarkGraphicSetUsage(GameTables& tables) {
    for (const auto& [id, set] : tables.levelSets) {
        GraphicSet& graphicSet = tables.graphicSets[set.GraphicSetId()];
        graphicSet.id = set.GraphicSetId();
        graphicSet.used = 1;
        graphicSet.lastRoom = std::max(graphicSet.lastRoom, set.lastSetRoom);
    }
    for (std::uint8_t id = 0; id < kGraphicSetCount; ++id)
        if (!tables.graphicSets.contains(id)) tables.graphicSets[id].id = id;
}

void ReadGraphicSet(CGameImage& image, GraphicSet& graphicSet) {
    if (graphicSet.used == 0) return;
    image.MapBank(layout::kTablesBank);
    const GraphicSetDescriptor descriptor = ReadDescriptor(image, graphicSet.id);

    Bytes bytes;
    graphicSet.rooms.clear();
    std::uint8_t largestLineGeom = 0;
    for (std::size_t i = 0; i <= graphicSet.lastRoom; ++i) {
        image.ReadBlock(descriptor.At(GraphicSetTable::Rooms, encoding::kSetRoomSize, i),
                        encoding::kSetRoomSize, bytes);
        const Bytes indexes = unpackBits(bytes, encoding::kSetRoomFieldBits);
        SetRoom room{};
        std::copy(indexes.begin(), indexes.end(), room.begin());
        largestLineGeom = std::max(largestLineGeom, *std::max_element(room.begin(), room.end()));
        graphicSet.rooms.push_back(room);
    }

    graphicSet.lineGeom.clear();
    std::uint8_t largestTop = 0;
    std::uint8_t largestBottom = 0;
    for (std::size_t i = 0; i <= largestLineGeom; ++i) {
        const LineGeom line =
            image.Read16(descriptor.At(GraphicSetTable::LineGeom, encoding::kLineGeomSize, i));
        largestTop = std::max(largestTop, static_cast<std::uint8_t>(line & 0xFF));
        largestBottom = std::max(largestBottom, static_cast<std::uint8_t>(line >> 8));
        graphicSet.lineGeom.push_back(line);
    }

    const std::uint8_t largestBlock = std::max(
        ReadByteEntries(image, descriptor, GraphicSetTable::TopLines, largestTop + 1U, graphicSet.topLines),
        ReadByteEntries(image, descriptor, GraphicSetTable::BottomLines, largestBottom + 1U,
                        graphicSet.bottomLines));
    ReadByteEntries(image, descriptor, GraphicSetTable::Blocks, largestBlock + 1U, graphicSet.blocks);

    graphicSet.attributes.clear();
    for (std::size_t i = 0; i <= largestBlock; ++i) {
        const std::uint8_t packed = image.Read8(descriptor.At(GraphicSetTable::Attributes, 1, i));
        const Bytes palettes = unpackBits(std::span(&packed, 1), encoding::kBlockAttributeFieldBits);
        BlockAttributes attributes{};
        std::copy(palettes.begin(), palettes.end(), attributes.begin());
        graphicSet.attributes.push_back(attributes);
    }
}

} // namespace tikaroo
