// Reads the object type descriptors and the object image constants.
#include "fixed_locations.h"
#include "table_encoding.h"
#include "table_readers.h"

#include <algorithm>

namespace tikaroo {

namespace {

constexpr std::uint16_t kHighKindBase = 0x9E20;

// Kinds 4-7 point into the program; kinds 1-3 keep a byte; kind 0 has no value.
ObjectType DecodeObjectType(const Bytes& bytes) {
    ObjectType type;
    std::copy_n(bytes.begin(), type.descriptor.size(), type.descriptor.begin());
    const std::uint8_t b0 = type.descriptor[0];
    const std::uint8_t b1 = type.descriptor[1];
    type.kind = b0 & 7;
    const auto value = static_cast<std::uint16_t>((b1 << 5) | (b0 >> 3));
    if (type.kind >= 4)
        type.value = static_cast<std::uint16_t>(value + kHighKindBase);
    else if (type.kind >= 1)
        type.value = value & 0xFF;
    return type;
}

} // namespace

void ReadObjectTypes(CGameImage& image, GameTables& tables) {
    image.MapBank(layout::kObjectsBank);
    tables.objectTypes.clear();
    Bytes bytes;
    for (std::size_t id = 0; id < kObjectTypeCount; ++id) {
        image.ReadBlock(layout::kObjectTypes + encoding::kObjectTypeSize * id, encoding::kObjectTypeSize,
                        bytes);
        tables.objectTypes.push_back(DecodeObjectType(bytes));
    }

    image.MapBank(layout::kTablesBank);
    auto constant = tables.objectImageConstants.begin();
    for (const layout::FixedBytes& run : layout::kObjectImageConstants) {
        image.ReadBlock(run.address, run.size, bytes);
        constant = std::transform(bytes.begin(), bytes.end(), constant,
                                  [](std::uint8_t byte) { return static_cast<std::int8_t>(byte); });
    }
}

} // namespace tikaroo
