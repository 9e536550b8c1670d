#include "render/object_markers.h"
#include "render_scene.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

constexpr std::int32_t kFloor = 300;

struct Placement : ::testing::Test {
    test::RenderScene scene{4};
    LevelRoom room;

    Placement() {
        scene.tables.objectTypes[5].descriptor[2] = 0xF0;  // -16
        scene.tables.objectTypes[65].descriptor[2] = 0x0C; // the letters' +12
    }

    MarkerSpot Place(std::int32_t id, std::int32_t x, std::uint8_t param1 = 0, std::int32_t objectsX = 0) {
        return PlaceMarker(scene.tables, scene.Set(), room, {id, x, param1}, objectsX, kFloor);
    }
    std::int32_t Offset(std::int32_t id, std::int32_t x, std::uint8_t param1 = 0) {
        return Place(id, x, param1).y - kFloor;
    }
};

TEST_F(Placement, TypeOffsetIsSignedDescriptorByte2) {
    EXPECT_EQ(Offset(5, 0), -16);
    EXPECT_EQ(Offset(6, 0), 0);
    // The area letters all use type 65's offset; other ids from 64 on have none.
    for (std::int32_t letter = 'A'; letter <= 'E'; ++letter) EXPECT_EQ(Offset(letter, 0), 12);
    scene.tables.objectTypes[64].descriptor[2] = 0x10;
    EXPECT_EQ(Offset(64, 0), 0);
    const MarkerSpot spot = Place(5, 2100, 0, 2048);
    EXPECT_EQ(spot.x, 52);
    EXPECT_EQ(spot.imageNumber, 5);
}

// The golden canvases of the sample hold the other ids' and floor geometries' rules.
TEST_F(Placement, BothStepDownGeometriesDropHalfwayAndOthersKeepTheFloor) {
    for (std::uint8_t g : {5, 6}) {
        room.floorGeom = g;
        EXPECT_EQ(Offset(6, 63), 0);
        EXPECT_EQ(Offset(6, 64), 32);
    }
    room.floorGeom = 9;
    EXPECT_EQ(Offset(6, 100), 0);
}

TEST_F(Placement, BridgesTakeTheirHeightAndTheLevelSetsPicture) {
    scene.Set().attributes = 0x2D; // bridges tileset 5
    for (std::int32_t id : {58, 59, 62, 63}) {
        const MarkerSpot spot = Place(id, 0, 0x88); // 0x88 is -120
        EXPECT_EQ(spot.y - kFloor, 240) << id;
        EXPECT_EQ(spot.imageNumber, id + 80) << id;
    }
    EXPECT_EQ(Offset(58, 0, 0x17), -32); // 0x10 x 2
    EXPECT_EQ(Place(60, 0, 0x88).imageNumber, 60);
}

// The golden canvases hold where markers land; left of the grid's start the division truncates.
TEST(MarkerDrawing, CellsLeftOfTheGridStartRoundTowardZero) {
    const PictureBuffer normal = test::MakeMarkerSheet(0x11);
    const MarkerSheets sheets = MarkerSheetsOf(&normal, &normal);
    PictureBuffer overlay(400, 300);
    overlay.Fill(kKeyColour);
    // x 10: (10 - 64) / 16 truncates to -3, the cell starts at -50 and its square at 6.
    DrawMarker(overlay, sheets, {3, 10, 200}, false, false);
    EXPECT_EQ(overlay.Pixel(6, 190), test::MarkerSquareColour(3, 0x11));
    EXPECT_EQ(overlay.Pixel(5, 190), kKeyColour);
}

} // namespace
} // namespace tikaroo
