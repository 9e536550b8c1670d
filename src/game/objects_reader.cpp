// Reads the objects lists of the levels and bonus levels: bit streams fetched in chunks, as the
// game's program fetches them.
#include "fixed_locations.h"
#include "rom/rom_error.h"
#include "table_encoding.h"
#include "table_readers.h"

namespace tikaroo {

namespace {

constexpr std::uint8_t kBonusObjectsTable = 1;
constexpr std::uint8_t kLevelObjectsTable = 0;

// The bytes of one list fetched so far and the next bit to decode, most significant bit first.
class ObjectsStream {
public:
    ObjectsStream(const CGameImage& source, std::uint32_t start) : image(source), next(start) { Fetch(); }

    // Another chunk, unless the stream has reached the end of what the game fetches.
    void FetchMore() {
        if (next < layout::kObjectsStreamLimit) Fetch();
    }

    std::uint32_t Read(int bits) {
        if (position + static_cast<std::size_t>(bits) > 8 * fetched.size())
            throw RomError(errors::kBitfieldOutOfRange);
        std::uint32_t value = 0;
        for (int i = 0; i < bits; ++i, ++position) {
            const unsigned bit = (fetched[position / 8] >> (7 - position % 8)) & 1U;
            value = (value << 1) | bit;
        }
        return value;
    }

private:
    void Fetch() {
        Bytes chunk;
        image.ReadBlock(next, encoding::kObjectsFetchSize, chunk);
        fetched.insert(fetched.end(), chunk.begin(), chunk.end());
        next += encoding::kObjectsFetchSize;
    }

    const CGameImage& image;
    std::uint32_t next;
    Bytes fetched;
    std::size_t position = 0;
};

ObjectsList DecodeObjectsList(const CGameImage& image, std::uint32_t start) {
    using namespace encoding;
    ObjectsList list;
    ObjectsStream stream(image, start);
    std::uint32_t x = stream.Read(kObjectsStartBits) * kObjectPositionUnit;
    for (;;) {
        ObjectEntry entry;
        entry.id = static_cast<std::uint8_t>(stream.Read(kObjectIdBits));
        if (entry.id == 0) break;
        entry.x = x;
        if (entry.id >= kFirstObjectWithParam1)
            entry.param1 = static_cast<std::uint8_t>(stream.Read(kObjectParamBits));
        if (entry.id >= kFirstObjectWithParam2)
            entry.param2 = static_cast<std::uint8_t>(stream.Read(kObjectParamBits));
        const bool longForm = stream.Read(kObjectLongFlagBits) != 0;
        const std::uint32_t distance = stream.Read(longForm ? kObjectPositionBits : kObjectStepBits);
        list.push_back(entry);
        if (longForm && distance == 0) break;
        x = longForm ? distance * kObjectPositionUnit : x + distance * kObjectPositionUnit;
        stream.FetchMore();
    }
    return list;
}

} // namespace

void ReadObjects(CGameImage& image, Level& level, std::size_t index, bool bonus) {
    if (index >= kPlayableLevelCount) return;
    image.MapBank(layout::kTablesBank);
    const std::uint8_t table = bonus ? kBonusObjectsTable : kLevelObjectsTable;
    const std::uint32_t tableAt = image.Read8(image.Read16(layout::kObjectsTableHighPtr) + table) * 256U +
                                  image.Read8(image.Read16(layout::kObjectsTableLowPtr) + table);
    const std::uint32_t entryAt =
        tableAt + static_cast<std::uint32_t>(encoding::kObjectsTableEntrySize * index);
    std::array<std::uint32_t, kObjectsListCount> pointers{};
    for (std::size_t list = 0; list < kObjectsListCount; ++list)
        pointers[list] = image.Read16(entryAt + 2 * static_cast<std::uint32_t>(list));

    image.MapBank(layout::kObjectsBank);
    for (std::size_t list = 0; list < kObjectsListCount; ++list) {
        level.objectLists[list].clear();
        if (pointers[list] != 0) level.objectLists[list] = DecodeObjectsList(image, pointers[list]);
    }
    image.MapBank(layout::kTablesBank);
}

} // namespace tikaroo
