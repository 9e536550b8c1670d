#include "rom/picture_records.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tikaroo {
namespace {

TEST(ReadBytes, MovesWhatRemains) {
    ReadCursor cursor{{1, 2, 3, 4, 5}, 0};
    Bytes out{9, 9, 9, 9, 9, 9};
    EXPECT_EQ(ReadBytes(cursor, 2, out), 2u);
    EXPECT_EQ(out, (Bytes{1, 2}));
    EXPECT_EQ(ReadBytes(cursor, 10, out), 3u);
    EXPECT_EQ(out, (Bytes{3, 4, 5}));
    EXPECT_TRUE(cursor.AtEnd());
    EXPECT_EQ(ReadBytes(cursor, 1, out), 0u);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(cursor.position, 5u);
}

PictureRecord SmallRecord() {
    return PictureRecord{7, 3, 2, {0x112233, 0xA0B0C0}, {0, 1, 2, 3, 2, 1}};
}

TEST(PictureRecords, ReadBackWhatWasAppended) {
    Bytes data;
    AppendPictureRecord(SmallRecord(), data);
    // slot, width, height (little-endian), colour count, colours, pixels
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 10), (Bytes{7, 3, 0, 2, 0, 2, 0x33, 0x22, 0x11, 0x00}));
    AppendPictureRecord(PictureRecord{200, 1, 1, {0xFFFFFF}, {1}}, data);
    ReadCursor cursor{data, 0};
    const auto first = ReadPictureRecord(cursor);
    ASSERT_TRUE(first);
    const PictureRecord small = SmallRecord();
    EXPECT_EQ(std::tie(first->slot, first->width, first->height, first->colours, first->pixels),
              std::tie(small.slot, small.width, small.height, small.colours, small.pixels));
    const auto second = ReadPictureRecord(cursor);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->slot, 200);
    EXPECT_TRUE(cursor.AtEnd());
}

TEST(PictureRecords, CutOffRecordsGiveNothing) {
    Bytes whole;
    AppendPictureRecord(SmallRecord(), whole);
    for (const std::size_t length : {std::size_t{8}, std::size_t{15}, whole.size() - 1}) {
        ReadCursor cursor{Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)), 0};
        EXPECT_FALSE(ReadPictureRecord(cursor)) << length;
        EXPECT_TRUE(cursor.AtEnd()) << length;
    }
    // Header fields that do not fit read as 0: a record of no pixels and no colours.
    ReadCursor header{{5, 4, 0, 3}, 0};
    const auto empty = ReadPictureRecord(header);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->slot, 5);
    EXPECT_EQ(empty->width, 4);
    EXPECT_EQ(empty->height, 0);
    EXPECT_TRUE(empty->colours.empty());
}

} // namespace
} // namespace tikaroo
