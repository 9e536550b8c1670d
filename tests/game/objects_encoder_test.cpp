#include "game/fixed_locations.h"
#include "game/objects_encoder.h"
#include "rom/rom_error.h"

#include "small_game.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

using test::BitsToBytes;

ObjectEntry Object(std::uint8_t id, std::uint32_t x, std::uint8_t param1 = 0, std::uint8_t param2 = 0) {
    return ObjectEntry{id, x, param1, param2, 0};
}

// The forms the game's own lists use; a stream of whole bytes gets a zero byte more.
TEST(ObjectsListEncoding, ListsGiveTheStreamsOfTheGame) {
    const struct {
        const char* name;
        ObjectsList list;
        const char* bits;
    } cases[] = {
        {"empty", {}, ""},
        {"one object", {Object(5, 16)}, "0000000010 000101 1 0000000000"},
        {"no parameters below id 56", {Object(55, 8, 1, 2)}, "0000000001 110111 1 0000000000"},
        {"param1 from id 56", {Object(56, 8, 0xA5, 2)}, "0000000001 111000 10100101 1 0000000000"},
        {"param2 from id 62",
         {Object(62, 8, 0xA5, 0x3C)},
         "0000000001 111110 10100101 00111100 1 0000000000"},
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes out{0xAA}; // emptied by the encoder
        ObjectsList list = c.list;
        EncodeObjectsList(list, out);
        EXPECT_EQ(out, BitsToBytes(c.bits));
    }
}

TEST(ObjectsListEncoding, SortsTheModelListStablyByX) {
    ObjectsList list = {Object(3, 80), Object(1, 8), Object(4, 80), Object(2, 8)};
    Bytes out;
    EncodeObjectsList(list, out);
    EXPECT_EQ(list, (ObjectsList{Object(1, 8), Object(2, 8), Object(3, 80), Object(4, 80)}));
}

class ObjectsEncoderTest : public ::testing::Test {
protected:
    void SetUp() override { test::MakeSmallGame(image, tables); }
    CpuPtr TableWord(std::uint32_t address) { return image.Read16(address); }

    CGameImage image;
    GameTables tables;
};

TEST_F(ObjectsEncoderTest, WritesStreamsOnceAndBothObjectsTables) {
    tables.levels[0].objectLists[0] = {Object(5, 16)};
    tables.levels[0].objectLists[2] = {Object(60, 16, 1)};
    tables.levels[4].objectLists[1] = {Object(5, 16)};     // the same bytes as slot 0, list 1
    tables.levels[5].objectLists[0] = {Object(60, 16, 2)}; // differs from slot 0, list 3 in param1
    tables.bonusLevels[8].objectLists[2] = {Object(5, 16)};

    EXPECT_EQ(EncodeObjects(image, tables), 0xCDFC);
    EXPECT_EQ(TableWord(0xCD00), 0x9521);
    EXPECT_EQ(TableWord(0xCD02), 0);
    const CpuPtr second = TableWord(0xCD04);
    EXPECT_EQ(second, 0x9525);
    EXPECT_EQ(TableWord(0xCD00 + 6 * 4 + 2), 0x9521);
    const CpuPtr third = TableWord(0xCD00 + 6 * 5);
    EXPECT_NE(third, second);
    EXPECT_EQ(TableWord(0xCDC6 + 6 * 8 + 4), 0x9521);

    EXPECT_EQ(test::BytesAt(image, layout::kObjectsBank, 0x9521, 4), (Bytes{0x00, 0x85, 0x80, 0x00}));
    EXPECT_EQ(test::BytesAt(image, layout::kObjectsBank, second, 1), Bytes{0x00});
    EXPECT_NE(test::BytesAt(image, layout::kObjectsBank, second, third - second),
              test::BytesAt(image, layout::kObjectsBank, third, third - second));

    // The low-byte and high-byte tables name the level table and then the bonus table.
    EXPECT_EQ(test::BytesAt(image, layout::kTablesBank, test::minimal::kObjectsLowBytes, 2),
              (Bytes{0x00, 0xC6}));
    EXPECT_EQ(test::BytesAt(image, layout::kTablesBank, test::minimal::kObjectsHighBytes, 2),
              (Bytes{0xCD, 0xCD}));
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
