#include "game/fixed_locations.h"
#include "small_game.h"

namespace tikaroo {
namespace {

using test::Poke;
using test::PokeWord;
namespace minimal = test::minimal;

class ObjectsReader : public test::ReaderTest {
protected:
    void SetList(std::size_t slot, std::size_t list, CpuPtr stream) {
        PokeWord(image, 0, static_cast<CpuPtr>(minimal::kLevelObjects + 6 * slot + 2 * list), stream);
    }
};

// A list of `count` objects of id 1 one step apart from x 8, ended by an id of 0: 13 bits each.
Bytes EvenlySpaced(int count) {
    std::string bits = "0000000001";
    for (int i = 0; i < count; ++i) bits += "000001 0 000001";
    return test::BitsToBytes(bits + "000000");
}

// A stream at $FFE1 gets one chunk, $FFE1-$FFEF, and reaches $FFF0: nothing more is fetched, but
// what was fetched is decoded to the end; a field past it is out of range.
TEST_F(ObjectsReader, AStreamReachingFFF0IsDecodedOverWhatWasFetched) {
    const Bytes eight = EvenlySpaced(8); // exactly 120 bits
    ASSERT_EQ(eight.size(), 15U);
    Poke(image, layout::kObjectsBank, 0xFFE1, eight);
    SetList(0, 0, 0xFFE1);
    EXPECT_EQ(ReadAll().levels[0].objectLists[0].size(), 8U);
    Poke(image, layout::kObjectsBank, 0xFFE1, EvenlySpaced(9)); // its end lies at $FFF0-$FFF1
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
