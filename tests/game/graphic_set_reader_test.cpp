#include "game/fixed_locations.h"
#include "reader_fixture.h"

namespace tikaroo {
namespace {

using GraphicSetReader = test::ReaderTest;
using test::Poke;
using test::PokeWord;
namespace minimal = test::minimal;

constexpr CpuPtr kRooms = 0xA600;
constexpr CpuPtr kLineGeom = 0xA700;
constexpr CpuPtr kTopLines = 0xA800;
constexpr CpuPtr kBottomLines = 0xA900;
constexpr CpuPtr kBlocks = 0xAA00;
constexpr CpuPtr kAttributes = 0xAB00;

// Graphic set 1 gets tables of its own; level sets 0 and 1 use it, with last set rooms 1 and 2.
class GraphicSetCounts : public GraphicSetReader {
protected:
    void SetUp() override {
        GraphicSetReader::SetUp();
        Poke(image, 0, minimal::kLevelSetIds + 3, {1});
        Poke(image, 0, minimal::kAttributes, {0x10, 0x90});
        Poke(image, layout::kLevelSetRoomsBank, test::MinimalLevelSetRooms(0) + 3 * 9, {1 << 2, 0, 0});
        Poke(image, layout::kLevelSetRoomsBank, test::MinimalLevelSetRooms(1) + 3 * 40, {2 << 2, 0, 0});
        const CpuPtr descriptor = minimal::kGraphicSetDescriptors + 12;
        const std::array<CpuPtr, 6> tables = {kRooms,       kLineGeom, kTopLines,
                                              kBottomLines, kBlocks,   kAttributes};
        for (std::size_t i = 0; i < tables.size(); ++i)
            PokeWord(image, 0, static_cast<CpuPtr>(descriptor + 2 * i), tables[i]);
        // Rooms 0-2 name LineGeom 0-3 (the largest, 3, in room 1); room 3 is beyond the last room.
        Poke(image, 0, kRooms, {0x00, 0x10, 0x41, 0x00, 0x00, 0x03, 0x00, 0x20, 0x82, 0xFF, 0xFF, 0xFF});
        // LineGeom 0-3: top lines up to 1, bottom lines up to 2; entry 4 is never read.
        Poke(image, 0, kLineGeom, {0x00, 0x00, 0x01, 0x02, 0x00, 0x01, 0x01, 0x00, 0x09, 0x09});
        Poke(image, 0, kTopLines, {0, 1, 2, 0, 0, 0, 0, 0, 0, 0, 3, 0, 9, 9, 9, 9, 9, 9});
        Poke(image, 0, kBottomLines, {0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 1, 1, 1, 1, 1, 9, 9, 9, 9, 9});
        Bytes blocks(6 * 16);
        for (std::size_t i = 0; i < blocks.size(); ++i) blocks[i] = static_cast<std::uint8_t>(i);
        Poke(image, 0, kBlocks, blocks);
        Poke(image, 0, kAttributes, {0xE4, 0x1B, 0x00, 0xFF, 0x55, 0xAA});
    }
};

TEST_F(GraphicSetCounts, EachTableHoldsAsManyEntriesAsTheTableAboveNamesAndUnusedSetsNone) {
    const GameTables tables = ReadAll();
    const GraphicSet& set = tables.graphicSets.at(1);
    EXPECT_EQ(set.used, 1U);
    EXPECT_EQ(set.lastRoom, 2);
    ASSERT_EQ(set.rooms.size(), 3U);
    EXPECT_EQ(set.rooms[0], (SetRoom{0, 1, 1, 1}));
    EXPECT_EQ(set.rooms[1], (SetRoom{0, 0, 0, 3}));
    EXPECT_EQ(set.rooms[2], (SetRoom{0, 2, 2, 2}));
    EXPECT_EQ(set.lineGeom, (std::vector<LineGeom>{0x0000, 0x0201, 0x0100, 0x0001}));
    ASSERT_EQ(set.topLines.size(), 2U);
    EXPECT_EQ(set.topLines[1], (TopLines{0, 0, 0, 0, 3, 0}));
    ASSERT_EQ(set.bottomLines.size(), 3U);
    EXPECT_EQ(set.bottomLines[1], (BottomLines{0, 4, 0, 0, 0}));
    ASSERT_EQ(set.blocks.size(), 5U); // the largest block number in the lines is 4
    EXPECT_EQ(set.blocks[4][15], 4 * 16 + 15);
    ASSERT_EQ(set.attributes.size(), 5U);
    EXPECT_EQ(set.attributes[0], (BlockAttributes{3, 2, 1, 0}));
    EXPECT_EQ(set.attributes[1], (BlockAttributes{0, 1, 2, 3}));
    EXPECT_EQ(set.attributes[4], (BlockAttributes{1, 1, 1, 1}));

    ASSERT_EQ(tables.graphicSets.size(), 7U); // the unused ones present and empty
    for (std::uint8_t id : {0, 2, 3, 4, 5, 6}) {
        const GraphicSet& unused = tables.graphicSets.at(id);
        EXPECT_EQ(unused.id, id);
        EXPECT_EQ(unused.used, 0U);
        EXPECT_EQ(unused.lastRoom, 0);
        EXPECT_TRUE(unused.rooms.empty() && unused.lineGeom.empty() && unused.blocks.empty() &&
                    unused.attributes.empty());
    }
}

TEST_F(GraphicSetReader, RoomsOnLineGeomZeroOfZeroWordsGiveOneEntryEach) {
    Poke(image, 0, minimal::kGraphicSetTables + 5, {3}); // the last block number of the top line
    const GraphicSet set = ReadAll().graphicSets.at(0);
    EXPECT_EQ(set.used, 1U);
    EXPECT_EQ(set.rooms.size(), 1U);
    EXPECT_EQ(set.lineGeom.size(), 1U);
    EXPECT_EQ(set.topLines.size(), 1U);
    EXPECT_EQ(set.bottomLines.size(), 1U);
    EXPECT_EQ(set.blocks.size(), 4U);
    EXPECT_EQ(set.attributes.size(), 4U);
}

TEST_F(GraphicSetReader, ASetNamingGraphicSetSevenAddsIt) {
    Poke(image, 0, minimal::kAttributes, {0x70});
    const GameTables tables = ReadAll();
    ASSERT_EQ(tables.graphicSets.size(), 8U);
    EXPECT_EQ(tables.graphicSets.at(7).used, 1U);
    EXPECT_EQ(tables.graphicSets.at(0).used, 0U);
}

} // namespace
} // namespace tikaroo
