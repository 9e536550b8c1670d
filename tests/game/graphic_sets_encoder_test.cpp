#include "game/fixed_locations.h"
#include "game/graphic_sets_encoder.h"
#include "rom/rom_error.h"

#include "small_game.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

constexpr std::uint32_t kStart = 0xD000;
constexpr std::uint32_t kFirstData = kStart + 7 * 12; // after the seven descriptors

class GraphicSetsEncoderTest : public test::SmallGameTest {
protected:
    std::uint16_t Descriptor(std::uint8_t id, std::size_t table) {
        image.MapBank(layout::kTablesBank);
        return image.Read16(image.Read16(layout::kGraphicSetDescriptorsPtr) + 12U * id + 2U * table);
    }
    std::string EncodeFailure() {
        return test::FailureText([this] { EncodeGraphicSets(image, tables, kStart); });
    }
};

// Every room is written, and of the other tables only the entries up to the last one named.
TEST_F(GraphicSetsEncoderTest, WritesEveryRoomAndOnlyTheReferencedEntries) {
    Set0().rooms = {SetRoom{0, 1, 2, 3}, SetRoom{3, 3, 0, 1}}; // LineGeom 0-3 of 10
    Set0().lineGeom.assign(10, 0x0000);
    Set0().lineGeom[2] = 0x0201; // TopLines 0-1 of 3, BottomLines 0-2 of 3
    Set0().topLines = {TopLines{}, TopLines{1, 2, 3, 0, 0, 0}, TopLines{9, 9, 9, 9, 9, 9}};
    Set0().bottomLines = {BottomLines{}, BottomLines{}, BottomLines{4, 0, 0, 0, 0}}; // blocks 0-4 of 6
    Set0().blocks.assign(6, Block{});
    Set0().attributes.assign(6, BlockAttributes{});
    // Rooms of 3 bytes, LineGeom words, TopLines of 6, BottomLines of 5, blocks of 16, attributes of 1.
    EXPECT_EQ(EncodeGraphicSets(image, tables, kStart),
              kFirstData + 2 * 3 + 4 * 2 + 2 * 6 + 3 * 5 + 5 * 16 + 5);
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
