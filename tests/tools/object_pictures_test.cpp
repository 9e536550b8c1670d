#include "object_pictures/embedded_object_pictures.h"
#include "rom/picture_records.h"

#include <gtest/gtest.h>

#include <set>

namespace tikaroo {
namespace {

constexpr std::uint32_t kKeyColour = 0xFEFAFE;

TEST(EmbeddedObjectPictures, OnePictureForEverySlotTheEditorUses) {
    ReadCursor cursor = LoadPictureData(EmbeddedObjectPictures());
    std::vector<std::uint8_t> slots;
    std::set<Bytes> distinctPictures;
    while (!cursor.AtEnd()) {
        const auto record = ReadPictureRecord(cursor);
        ASSERT_TRUE(record);
        slots.push_back(record->slot);
        EXPECT_EQ(record->width, kPictureCellSize);
        EXPECT_EQ(record->height, kPictureCellSize);
        EXPECT_GE(record->colours.size(), 2u);
        EXPECT_LE(record->colours.size(), 6u);
        for (const std::uint32_t colour : record->colours) EXPECT_NE(colour, kKeyColour);
        std::vector<int> uses(record->colours.size() + 1, 0);
        for (const std::uint8_t pixel : record->pixels) {
            ASSERT_LE(pixel, record->colours.size());
            ++uses[pixel];
        }
        EXPECT_GT(uses[0], 0) << "a marker leaves the cell around it transparent";
        for (std::size_t k = 1; k < uses.size(); ++k)
            EXPECT_GT(uses[k], 0) << "unused colour in " << int{record->slot};
        distinctPictures.insert(record->pixels);
    }
    EXPECT_EQ(slots, UsedPictureSlots());
    EXPECT_EQ(distinctPictures.size(), slots.size()) << "every image number looks different";
}

} // namespace
} // namespace tikaroo
