#include "render/paint_pictures.h"
#include "rom/picture_records.h"
#include "rom/rom_error.h"
#include "support/error_text.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

constexpr std::uint32_t kEmptyCell = kKeyColour | kOpaque;
constexpr std::uint32_t kTransparent = kKeyColour;

ReadCursor CursorOver(const std::vector<PictureRecord>& records) {
    ReadCursor cursor;
    for (const PictureRecord& record : records) AppendPictureRecord(record, cursor.buffer);
    return cursor;
}

TEST(PaintPictures, PaintsColoursAndTransparency) {
    // 2 colours; pixel bytes 0 and 3 are transparent. Cells of 4x4: slot 2 covers x 8-11.
    ReadCursor cursor = CursorOver({{2, 2, 2, {0x102030, 0xFFA0B0C0}, {1, 0, 3, 2}}});
    PictureBuffer strip(16, 4);
    EXPECT_EQ(PaintPictures(cursor, strip, 4, 4), 1);
    EXPECT_EQ(cursor.position, 0u);
    // The golden marker sheets and the cut-off test hold the placement and the empty cells.
    EXPECT_EQ(strip.Pixel(9, 1), 0x102030 | kOpaque);
    EXPECT_EQ(strip.Pixel(10, 1), kTransparent);
    EXPECT_EQ(strip.Pixel(10, 2), 0xA0B0C0 | kOpaque) << "only the colour bits of a stored colour count";
}

TEST(PaintPictures, CutOffRecordsAreSkippedAndEmptySizesRefused) {
    ReadCursor cursor = CursorOver({{0, 1, 1, {0x0000FF}, {1}}, {1, 1, 1, {0x00FF00}, {1}}});
    cursor.buffer.pop_back(); // the second record loses its pixel
    PictureBuffer strip(8, 4);
    EXPECT_EQ(PaintPictures(cursor, strip, 4, 4), 1);
    EXPECT_EQ(strip.Pixel(1, 1), 0x0000FF | kOpaque);
    EXPECT_EQ(strip.Pixel(5, 1), kEmptyCell);
    EXPECT_EQ(cursor.position, 0u);

    // Only a record cut off in its colours: nothing painted.
    ReadCursor colours = CursorOver({{0, 1, 1, {0x0000FF, 0x00FF00}, {1}}});
    colours.buffer.resize(9);
    strip.Fill(0);
    EXPECT_EQ(PaintPictures(colours, strip, 4, 4), 0);
    EXPECT_EQ(strip.Pixel(1, 1), kEmptyCell);

    ReadCursor nothing;
    EXPECT_EQ(PaintPictures(nothing, strip, 4, 4), 0);

    ReadCursor flat = CursorOver({{0, 3, 0, {0x0000FF}, {}}});
    EXPECT_EQ(test::ErrorText<RomError>([&] { PaintPictures(flat, strip, 4, 4); }), "Invalid size");
}

} // namespace
} // namespace tikaroo
