#include "lzw/lzw_encoder.h"
#include "render/image_list_strip.h"
#include "render/marker_sheets.h"
#include "render/paint_pictures.h"
#include "rom/picture_records.h"
#include "rom/rom_error.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tikaroo {
namespace {

constexpr std::uint32_t kColourBits = 0x00FFFFFF;

TEST(SelectedSheet, PureKeyPictureIsUnchanged) {
    PictureBuffer sheet(256, 2);
    sheet.Fill(kKeyColour | kOpaque);
    const PictureBuffer selected = MakeSelectedSheet(sheet, kSelectedContrastChange);
    EXPECT_TRUE(std::equal(sheet.Data(), sheet.Data() + 512, selected.Data()));
    // Framing leaves it alone too: there is nothing to frame.
    PictureBuffer framed = selected;
    const auto boxes = FramePictures(framed);
    EXPECT_EQ(boxes.size(), 128u);
    EXPECT_TRUE(std::equal(sheet.Data(), sheet.Data() + 512, framed.Data()));
}

TEST(FramePictures, BoxesAndFrames) {
    // Two cells of 16: a 3x2 picture at (5, 6) in cell 1, cell 0 empty.
    PictureBuffer sheet(32, 16);
    sheet.Fill(kKeyColour);
    sheet.FillRect({16 + 5, 6, 16 + 8, 8}, 0x123456);
    const auto boxes = FramePictures(sheet);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_GT(boxes[0].left, boxes[0].right);
    EXPECT_EQ(boxes[1], (PictureRect{3, 4, 9, 9}));
    // The frame is white, and the focus rectangle inverts every other pixel of its outline.
    EXPECT_EQ(sheet.Pixel(16 + 2, 6) & kColourBits, 0xFFFFFFu);
    EXPECT_EQ(sheet.Pixel(16 + 3, 4) & kColourBits, 0xFFFFFFu);
    EXPECT_EQ(sheet.Pixel(16 + 4, 4) & kColourBits, 0x000000u);
    EXPECT_EQ(sheet.Pixel(16 + 10, 9) & kColourBits, 0xFFFFFFu);
    // The frame runs around the picture on every side, never over it.
    for (const auto& [x, y] : {std::pair{5, 6}, {7, 6}, {5, 7}, {7, 7}})
        EXPECT_EQ(sheet.Pixel(16 + x, y), 0x123456u);
    EXPECT_EQ(sheet.Pixel(16 + 11, 7), kKeyColour);
    for (std::int32_t y = 0; y < 16; ++y)
        for (std::int32_t x = 0; x < 16; ++x) ASSERT_EQ(sheet.Pixel(x, y), kKeyColour) << x << "," << y;

    PictureBuffer empty;
    EXPECT_THROW(FramePictures(empty), RomError);
}

TEST(ImageListStrip, CentresEachBoxInTheLargestSlot) {
    PictureBuffer sheet(48, 16);
    sheet.Fill(kKeyColour);
    sheet.FillRect({5, 6, 8, 8}, 0x00FF00);        // cell 0: 3x2
    sheet.FillRect({32 + 2, 1, 32 + 9, 12}, 0xFF); // cell 2: 7x11
    PictureBuffer framed = sheet;
    const auto boxes = FramePictures(framed);
    const ImageListStrip list = MakeImageListStrip(sheet, boxes);
    EXPECT_EQ(list.imageCount, 3u);
    // Boxes (3, 4)-(9, 9) and (0, -1)-(10, 13): slots of 10 x 14.
    EXPECT_EQ(list.imageWidth, 10);
    EXPECT_EQ(list.imageHeight, 14);
    EXPECT_EQ(list.strip.Width(), 30);
    EXPECT_EQ(list.strip.Height(), 14);
    // Cell 0's 6x5 box is centred: left at (10 - 6) / 2, top at (14 - 5) / 2; its picture 2 pixels in.
    EXPECT_EQ(list.strip.Pixel(2 + 2, 4 + 2), 0x00FF00u);
    EXPECT_EQ(list.strip.Pixel(2 + 1, 4 + 2), kKeyColour);
    // The empty cell 1 leaves its image empty.
    for (std::int32_t x = 10; x < 20; ++x) EXPECT_EQ(list.strip.Pixel(x, 7), kKeyColour);
    // Cell 2 fills its slot; its box starts a row above the sheet.
    EXPECT_EQ(list.strip.Pixel(20 + 2, 2), 0xFFu);
    EXPECT_EQ(list.strip.Pixel(20 + 8, 12), 0xFFu);
    EXPECT_EQ(list.strip.Pixel(20 + 9, 12), kKeyColour);

    const std::vector<PictureRect> nothing(3, PictureRect{10, 10, 1, 1});
    EXPECT_THROW(MakeImageListStrip(sheet, nothing), RomError);
    EXPECT_THROW(MakeImageListStrip(sheet, {}), RomError);
}

TEST(MarkerSheets, MissingOrBrokenDataGivesEmptyCells) {
    for (const Bytes& packed : {Bytes{}, Bytes{0x12, 0x34, 0x56}, LzwEncode(Bytes(50, 7))}) {
        const MarkerSheetSet sheets = BuildMarkerSheets(packed);
        ASSERT_EQ(sheets.boundingBoxes.size(), static_cast<std::size_t>(kPictureCellCount));
        EXPECT_TRUE(std::all_of(sheets.boundingBoxes.begin(), sheets.boundingBoxes.end(),
                                [](const PictureRect& box) { return box.left > box.right; }));
        EXPECT_EQ(sheets.markerSheet.Pixel(1000, 64), kKeyColour | kOpaque);
    }
}

} // namespace
} // namespace tikaroo
