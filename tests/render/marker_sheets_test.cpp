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

TEST(MarkerSheets, MissingOrBrokenDataGivesEmptyCellsAndNothingToFrameIsRefused) {
    for (const Bytes& packed : {Bytes{}, Bytes{0x12, 0x34, 0x56}, LzwEncode(Bytes(50, 7))}) {
        const MarkerSheetSet sheets = BuildMarkerSheets(packed);
        ASSERT_EQ(sheets.boundingBoxes.size(), static_cast<std::size_t>(kPictureCellCount));
        EXPECT_TRUE(std::all_of(sheets.boundingBoxes.begin(), sheets.boundingBoxes.end(),
                                [](const PictureRect& box) { return box.left > box.right; }));
        EXPECT_EQ(sheets.markerSheet.Pixel(1000, 64), kKeyColour | kOpaque);
    }
    PictureBuffer empty;
    EXPECT_THROW(FramePictures(empty), RomError);
    PictureBuffer sheet(48, 16);
    EXPECT_THROW(MakeImageListStrip(sheet, std::vector<PictureRect>(3, PictureRect{10, 10, 1, 1})), RomError);
    EXPECT_THROW(MakeImageListStrip(sheet, {}), RomError);
}

} // namespace
} // namespace tikaroo
