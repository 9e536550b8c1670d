#include "game/fixed_locations.h"
#include "game/graphic_sets_encoder.h"
#include "rom/rom_error.h"

#include "small_game.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

constexpr std::uint32_t kStart = 0xD000;
constexpr std::uint32_t kFirstData = kStart + 7 * 12; // after the seven descriptors

class GraphicSetsEncoderTest : public ::testing::Test {
protected:
    void SetUp() override { test::MakeSmallGame(image, tables); }
    GraphicSet& Set0() { return tables.graphicSets.at(0); }
    std::uint16_t Descriptor(std::uint8_t id, std::size_t table) {
        image.MapBank(layout::kTablesBank);
        return image.Read16(image.Read16(layout::kGraphicSetDescriptorsPtr) + 12U * id + 2U * table);
    }
    std::string EncodeFailure() {
        return test::FailureText([this] { EncodeGraphicSets(image, tables, kStart); });
    }

    CGameImage image;
    GameTables tables;
};

TEST_F(GraphicSetsEncoderTest, WritesEveryRoomAndOnlyTheReferencedEntries) {
    Set0().rooms = {SetRoom{0, 1, 2, 3}, SetRoom{3, 3, 0, 1}};
    Set0().lineGeom.assign(10, 0x0000);
    Set0().lineGeom[2] = 0x0201; // TopLines 1, BottomLines 2
    Set0().topLines = {TopLines{0, 0, 0, 0, 0, 0}, TopLines{1, 2, 3, 0, 0, 0}, TopLines{9, 9, 9, 9, 9, 9}};
    Set0().bottomLines.assign(3, BottomLines{});
    Set0().bottomLines[2] = {4, 0, 0, 0, 0};
    Set0().blocks.assign(6, Block{});
    Set0().blocks[4][15] = 0xAB;
    Set0().attributes.assign(6, BlockAttributes{});
    Set0().attributes[1] = {3, 0, 2, 1};

    const std::uint32_t end = EncodeGraphicSets(image, tables, kStart);

    EXPECT_EQ(Descriptor(0, 0), kFirstData);
    EXPECT_EQ(test::BytesAt(image, 0, kFirstData, 6), (Bytes{0x00, 0x10, 0x83, 0x0C, 0x30, 0x01}));
    const std::uint32_t lineGeom = kFirstData + 6;
    EXPECT_EQ(Descriptor(0, 1), lineGeom);
    EXPECT_EQ(test::BytesAt(image, 0, lineGeom + 4, 2), (Bytes{0x01, 0x02}));
    const std::uint32_t topLines = lineGeom + 4 * 2; // LineGeom 0-3 of 10
    EXPECT_EQ(Descriptor(0, 2), topLines);
    const std::uint32_t bottomLines = topLines + 2 * 6; // TopLines 0-1 of 3
    EXPECT_EQ(Descriptor(0, 3), bottomLines);
    const std::uint32_t blocks = bottomLines + 3 * 5;
    EXPECT_EQ(Descriptor(0, 4), blocks);
    EXPECT_EQ(test::BytesAt(image, 0, blocks + 4 * 16 + 15, 1), Bytes{0xAB});
    const std::uint32_t attributes = blocks + 5 * 16; // blocks 0-4 of 6
    EXPECT_EQ(Descriptor(0, 5), attributes);
    EXPECT_EQ(test::BytesAt(image, 0, attributes + 1, 1), Bytes{0b11001001});
    EXPECT_EQ(end, attributes + 5);
}

TEST_F(GraphicSetsEncoderTest, UsageFollowsTheLevelSetsAndUnusedSetsGetZeroDescriptors) {
    tables.graphicSets.at(3) = Set0();
    tables.graphicSets.at(3).id = 3;
    tables.graphicSets.at(3).used = 0;
    tables.levelSets.at(0).attributes = 0x3 << 4;
    Set0().topLines.clear(); // would overflow if set 0 were still written

    EXPECT_NO_THROW(EncodeGraphicSets(image, tables, kStart));
    EXPECT_EQ(Set0().used, 0U);
    EXPECT_EQ(tables.graphicSets.at(3).used, 1U);
    for (std::size_t table = 0; table < 6; ++table) EXPECT_EQ(Descriptor(0, table), 0) << table;
    EXPECT_EQ(Descriptor(3, 0), kFirstData);
}

TEST_F(GraphicSetsEncoderTest, EachShortTableRaisesItsOverflow) {
    GameTables valid = tables;
    Set0().rooms = {SetRoom{0, 0, 1, 0}};
    EXPECT_EQ(EncodeFailure(), "LineGeom overflow");

    tables = valid; // a room can name only 64 entries, however many there are
    Set0().lineGeom.assign(65, 0x0000);
    Set0().rooms = {SetRoom{0, 64, 0, 0}};
    EXPECT_EQ(EncodeFailure(), "LineGeom overflow");

    tables = valid;
    Set0().lineGeom = {0x0001};
    EXPECT_EQ(EncodeFailure(), "TopLines overflow");

    tables = valid;
    Set0().lineGeom = {0x0100};
    EXPECT_EQ(EncodeFailure(), "BottomLines overflow");

    tables = valid;
    Set0().bottomLines = {BottomLines{0, 0, 0, 0, 1}};
    EXPECT_EQ(EncodeFailure(), "Blocks overflow");

    tables = valid;
    Set0().blocks.push_back(Block{});
    Set0().topLines = {TopLines{0, 0, 1, 0, 0, 0}};
    EXPECT_EQ(EncodeFailure(), "Attributes overflow");

    tables = valid;
    Set0().lineGeom.assign(7, 0x0007); // TopLines index 7 in a set with 7 TopLines
    Set0().rooms = {SetRoom{6, 0, 0, 0}};
    Set0().topLines.assign(7, TopLines{});
    Set0().bottomLines.assign(8, BottomLines{});
    EXPECT_EQ(EncodeFailure(), "TopLines overflow");
}

} // namespace
} // namespace tikaroo
