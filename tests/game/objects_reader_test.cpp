#include "game/fixed_locations.h"
#include "game/table_encoding.h"
#include "small_game.h"

namespace tikaroo {
namespace {

using test::Poke;
using test::PokeWord;
namespace minimal = test::minimal;

constexpr int kObjectsBank = layout::kObjectsBank;

// Writes fields most significant bit first, as the game's objects streams are packed.
class StreamWriter {
public:
    StreamWriter& Put(std::uint32_t value, int bits) {
        for (int bit = bits - 1; bit >= 0; --bit) {
            if (used % 8 == 0) bytes.push_back(0);
            bytes.back() |= static_cast<std::uint8_t>(((value >> bit) & 1U) << (7 - used % 8));
            ++used;
        }
        return *this;
    }
    StreamWriter& Short(std::uint32_t id, std::uint32_t step) { return Put(id, 6).Put(0, 1).Put(step, 6); }
    Bytes bytes;

private:
    std::size_t used = 0;
};

class ObjectsReader : public test::ReaderTest {
protected:
    void SetList(std::size_t slot, std::size_t list, CpuPtr stream, bool bonus = false) {
        const CpuPtr table = bonus ? minimal::kBonusObjects : minimal::kLevelObjects;
        PokeWord(image, 0, static_cast<CpuPtr>(table + 6 * slot + 2 * list), stream);
    }
};

// A list of `count` objects one step apart from x 8, ended by an id of 0.
StreamWriter EvenlySpaced(int count) {
    StreamWriter stream;
    stream.Put(1, 10);
    for (int i = 0; i < count; ++i) stream.Short(static_cast<std::uint32_t>(1 + i % 63), 1);
    stream.Put(0, 6);
    return stream;
}

// A stream at $FFE1 gets one chunk, $FFE1-$FFEF, and reaches $FFF0: nothing more is fetched, but
// what was fetched is decoded to the end; a field past it is out of range.
TEST_F(ObjectsReader, AStreamReachingFFF0IsDecodedOverWhatWasFetched) {
    const Bytes eight = EvenlySpaced(8).bytes; // exactly 120 bits
    ASSERT_EQ(eight.size(), 15U);
    Poke(image, kObjectsBank, 0xFFE1, eight);
    SetList(0, 0, 0xFFE1);
    EXPECT_EQ(ReadAll().levels[0].objectLists[0].size(), 8U);
    Poke(image, kObjectsBank, 0xFFE1, EvenlySpaced(9).bytes); // its end lies at $FFF0-$FFF1
    EXPECT_EQ(ReadAllError(), errors::kBitfieldOutOfRange);
}

TEST_F(ObjectsReader, PointersOutsideTheWindowFail) {
    SetList(0, 0, 0xFFF8); // a chunk would run past $FFFF
    EXPECT_EQ(ReadAllError(), errors::kInvalidPointer);
    SetUp();
    Poke(image, 0, minimal::kObjectsHighBytes, {0x12}); // the level objects table below $8000
    EXPECT_EQ(ReadAllError(), errors::kInvalidPointer);
}

} // namespace
} // namespace tikaroo
