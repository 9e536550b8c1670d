#include "game/fixed_locations.h"
#include "game/objects_encoder.h"
#include "rom/rom_error.h"

#include "small_game.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tikaroo {
namespace {

ObjectEntry Object(std::uint8_t id, std::uint32_t x, std::uint8_t param1 = 0, std::uint8_t param2 = 0) {
    return ObjectEntry{id, x, param1, param2, 0};
}

// The forms the game's own lists use; a stream of whole bytes gets a zero byte more.
TEST(ObjectsListEncoding, ListsGiveTheStreamsOfTheGame) {
    const std::tuple<const char*, ObjectsList, const char*> cases[] = {
        {"empty", {}, ""},
        {"short step, whole bytes",
         {Object(1, 0), Object(2, 40)},
         "0000000000 000001 0 000101 000010 1 0000000000 00000000"},
        {"longest short step",
         {Object(1, 0), Object(2, 376)},
         "0000000000 000001 0 101111 000010 1 0000000000 00000000"},
        {"384 pixels on: long",
         {Object(1, 0), Object(2, 384)},
         "0000000000 000001 1 0000110000 000010 1 0000000000"},
        {"same x: long",
         {Object(5, 16), Object(7, 16)},
         "0000000010 000101 1 0000000010 000111 1 0000000000"},
        {"a long position 0 would end the list: a step of 0",
         {Object(5, 0), Object(7, 0), Object(9, 80)},
         "0000000000 000101 0 000000 000111 0 001010 001001 1 0000000000"},
        {"past the long positions short steps reach 504",
         {Object(1, 7776), Object(2, 8200)},
         "1111001100 000001 0 110101 000010 1 0000000000 00000000"},
    };
    for (const auto& [name, original, bits] : cases) {
        SCOPED_TRACE(name);
        Bytes out{0xAA}; // emptied by the encoder
        ObjectsList list = original;
        EncodeObjectsList(list, out);
        EXPECT_EQ(out, test::BitsToBytes(bits));
    }
}

class ObjectsEncoderTest : public test::SmallGameTest {
protected:
    CpuPtr Pointer(bool bonus, std::size_t slot, std::size_t list) {
        return image.Read16((bonus ? 0xCDC6 : 0xCD00) + 6 * slot + 2 * list);
    }
};

TEST_F(ObjectsEncoderTest, IdenticalStreamsAreWrittenOnce) {
    tables.levels[0].objectLists[0] = {Object(5, 16)};
    tables.levels[4].objectLists[1] = {Object(5, 16)};
    tables.bonusLevels[8].objectLists[2] = {Object(5, 16)};
    tables.levels[0].objectLists[2] = {Object(60, 16, 1)};
    tables.levels[5].objectLists[0] = {Object(60, 16, 2)}; // differs in param1 only
    EncodeObjects(image, tables);
    EXPECT_EQ(Pointer(false, 4, 1), Pointer(false, 0, 0));
    EXPECT_EQ(Pointer(true, 8, 2), Pointer(false, 0, 0));
    EXPECT_NE(Pointer(false, 5, 0), Pointer(false, 0, 2));
}

TEST_F(ObjectsEncoderTest, StreamsThatWouldReachTheFixedBankFailWithoutWritingThere) {
    // 126 distinct lists of 60 objects each need far more than the 10975 bytes below $C000.
    std::uint8_t distinct = 0;
    for (std::size_t slot = 0; slot < 32; ++slot) {
        for (ObjectsList& list : tables.levels[slot].objectLists) {
            for (std::uint32_t i = 0; i < 60; ++i) list.push_back(Object(62, 8 * i, distinct, 0xFF));
            ++distinct;
        }
    }
    const Bytes fixedBankBefore = test::BytesAt(image, layout::kObjectsBank, 0xC000, 0xD00);
    EXPECT_EQ(test::FailureText([this] { EncodeObjects(image, tables); }), "Not enough ROM memory");
    EXPECT_EQ(test::BytesAt(image, layout::kObjectsBank, 0xC000, 0xD00), fixedBankBefore);
}

} // namespace
} // namespace tikaroo
