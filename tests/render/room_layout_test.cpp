#include "render/floor_lines.h"
#include "render/room_layout.h"
#include "render/screen_band_masks.h"
#include "render_scene.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

std::vector<std::int32_t> Ys(const std::vector<std::array<std::int32_t, 2>>& list) {
    std::vector<std::int32_t> ys;
    for (const auto& pair : list) {
        EXPECT_EQ(pair[0], 0);
        ys.push_back(pair[1]);
    }
    return ys;
}

TEST(RoomLayout, FirstRoomOfTopsB0HasBandBottom352AndFloorLine208PlusShift) {
    test::RenderScene scene(3);
    scene.tables.geometry.floorShiftTable = {0, 8, 0xF8, 0, 0, 0, 0, 0};
    scene.Set().rooms[0].floorShift = 1;
    scene.Set().rooms[1].floorShift = 2;
    const RoomLayout layout = BuildRoomLayout(scene.tables, scene.Set());
    EXPECT_EQ(Ys(layout.bandBottom), (std::vector<std::int32_t>{352, 352, 352}));
    // Shifts accumulate: +8, then -8.
    EXPECT_EQ(Ys(layout.floorLine), (std::vector<std::int32_t>{216, 208, 208}));
    EXPECT_EQ(Ys(layout.pictureOffset), (std::vector<std::int32_t>{0, 0, 0}));
}

TEST(RoomLayout, TopsNibblesMoveBandAndFloor) {
    test::RenderScene scene(1);
    scene.Set().tops[0] = 0x93; // top of screen 9, top of floor 3
    const RoomLayout layout = BuildRoomLayout(scene.tables, scene.Set());
    EXPECT_EQ(Ys(layout.bandBottom)[0], (9 - 11) * 16 + 352);
    EXPECT_EQ(Ys(layout.floorLine)[0], 320 + 3 * 8 - 144);
}

TEST(RoomLayout, ScrollMovesTheNextRoomsBand) {
    test::RenderScene scene(4);
    scene.Set().rooms[0].scroll = 1;
    scene.Set().rooms[1].scroll = 2;
    scene.Set().rooms[2].scroll = 3; // no move
    const RoomLayout layout = BuildRoomLayout(scene.tables, scene.Set());
    EXPECT_EQ(Ys(layout.bandBottom), (std::vector<std::int32_t>{352, 320, 352, 352}));
}

TEST(RoomLayout, BackgroundStepsAccumulateAndStartAtZero) {
    test::RenderScene scene(3);
    // Type 1 rises one 8-pixel unit on every even column; type 2 falls two units where (c + 16) & 0x10 is 0.
    scene.tables.geometry.bgStepTable = {0xFF, 2, 0, 0, 0, 0, 0, 0};
    scene.tables.geometry.bgMaskTable = {0x01, 0x10, 0, 0, 0, 0, 0, 0};
    scene.Set().rooms[1].background = 1;
    scene.Set().rooms[2].background = 2;
    EXPECT_EQ(BackgroundStep(scene.tables.geometry, 1, 1), -64);
    // Room 2 is even: every column passes the mask 0x10, so 16 steps of +2 units.
    EXPECT_EQ(BackgroundStep(scene.tables.geometry, 2, 2), 256);
    // Room 3 is odd: c + 16 always has bit 4 set, no step.
    EXPECT_EQ(BackgroundStep(scene.tables.geometry, 2, 3), 0);
    const auto columns = BackgroundColumnOffsets(scene.tables.geometry, 1, 1);
    EXPECT_EQ(columns[0], -8);
    EXPECT_EQ(columns[1], -8);
    EXPECT_EQ(columns[2], -16);

    const RoomLayout layout = BuildRoomLayout(scene.tables, scene.Set());
    // Raw offsets 0, -64, 192; the smallest (-64) is moved to 0.
    EXPECT_EQ(Ys(layout.pictureOffset), (std::vector<std::int32_t>{64, 0, 256}));
}

TEST(RoomLayout, BonusModeShowsLengthRoomsFromItsBlockOfSixteen) {
    test::RenderScene scene(64);
    scene.Set().tops = {0xB0, 0xA2, 0xB0, 0xB0};
    scene.tables.view.bonusMode = true;
    scene.tables.bonusArea = {0, 1, 20};
    const ShownRooms shown = RoomsShown(scene.tables, scene.Set());
    EXPECT_EQ(shown.first, 16u);
    EXPECT_EQ(shown.count, 20u);
    EXPECT_EQ(shown.drawn, 16u);
    EXPECT_EQ(shown.objectsX, 2048);
    const RoomLayout layout = BuildRoomLayout(scene.tables, scene.Set());
    ASSERT_EQ(layout.bandBottom.size(), 20u);
    EXPECT_EQ(Ys(layout.bandBottom)[0], 336);
    EXPECT_EQ(Ys(layout.floorLine)[0], 336 + 16 - 144);
}

TEST(FloorLines, EachGeometryHasItsShape) {
    LevelGeometryTables geometry;
    geometry.gapStartTable = {0, 48, 32, 0, 0, 0, 0, 0, 0};
    geometry.gapEndTable = {64, 128, 96, 0, 0, 0, 0, 0, 0};
    using Pieces = std::vector<FloorLinePiece>;
    const auto pieces = [&](std::uint8_t g) { return FloorLinePieces(geometry, g, {100, 200}); };
    const auto points = [](const Pieces& all) {
        std::vector<std::vector<std::pair<int, int>>> out;
        for (const auto& piece : all) {
            auto& list = out.emplace_back();
            for (const auto& point : piece) list.emplace_back(point.x, point.y);
        }
        return out;
    };
    using P = std::vector<std::vector<std::pair<int, int>>>;
    EXPECT_EQ(points(pieces(0)), (P{{{100, 200}, {228, 200}}}));
    EXPECT_TRUE(pieces(1).empty());
    EXPECT_EQ(points(pieces(2)), (P{{{100, 200}, {228, 168}}}));
    EXPECT_EQ(points(pieces(3)), (P{{{100, 200}, {228, 232}}}));
    EXPECT_EQ(points(pieces(4)), (P{{{100, 200}, {164, 200}, {164, 168}, {228, 168}}}));
    EXPECT_EQ(points(pieces(5)), (P{{{100, 200}, {164, 200}, {164, 232}, {228, 232}}}));
    EXPECT_EQ(points(pieces(6)), points(pieces(5)));
    // Gap 7: no left piece (start 0); gap 8: end 128 leaves only the left piece; gap 9: both.
    EXPECT_EQ(points(pieces(7)), (P{{{164, 200}, {228, 200}}}));
    EXPECT_EQ(points(pieces(8)), (P{{{100, 200}, {148, 200}}}));
    EXPECT_EQ(points(pieces(9)), (P{{{100, 200}, {132, 200}}, {{196, 200}, {228, 200}}}));
}

TEST(FloorLines, SolidMagentaOrDashedYellow) {
    const LevelGeometryTables geometry;
    PictureBuffer solid(140, 20);
    LevelRoom room;
    DrawFloorLine(solid, geometry, room, {4, 10});
    for (std::int32_t x = 4; x <= 131; ++x) EXPECT_EQ(solid.Pixel(x, 10), kFloorColour) << x;
    EXPECT_EQ(solid.Pixel(132, 10), 0u); // the next room's first column

    PictureBuffer dashed(140, 20);
    room.slideFloor = 2;
    DrawFloorLine(dashed, geometry, room, {4, 10});
    std::int32_t lit = 0;
    for (std::int32_t x = 4; x <= 132; ++x) {
        const std::uint32_t pixel = dashed.Pixel(x, 10);
        EXPECT_TRUE(pixel == kSlideFloorColour || pixel == 0u);
        lit += pixel == kSlideFloorColour;
    }
    EXPECT_GT(lit, 40);
    EXPECT_LT(lit, 110);

    PictureBuffer none(140, 20);
    room.floorGeom = 1;
    DrawFloorLine(none, geometry, room, {4, 10});
    EXPECT_EQ(none.Pixel(50, 10), 0u);
}

TEST(ScreenBandMasks, DarkenAboveAndBelowA240LineBand) {
    const ScreenBandMasks masks = MakeScreenBandMasks();
    const auto alpha = [](const PictureBuffer& mask, std::int32_t x, std::int32_t y) {
        return mask.Pixel(x, y) >> 24;
    };
    for (const PictureBuffer& mask : masks) {
        ASSERT_EQ(mask.Width(), 128);
        ASSERT_EQ(mask.Height(), 928);
        EXPECT_EQ(mask.Pixel(0, 0), 0xC8000000u); // black, alpha 200
        EXPECT_EQ(alpha(mask, 127, 927), 200u);
        // Every column is clear for exactly 240 lines.
        for (std::int32_t x : {0, 63, 127}) {
            std::int32_t clear = 0;
            for (std::int32_t y = 0; y < 928; ++y) clear += alpha(mask, x, y) == 0;
            EXPECT_EQ(clear, 240) << x;
        }
    }
    // Level: the band is rows 336-575 everywhere.
    EXPECT_EQ(alpha(masks[0], 0, 335), 200u);
    EXPECT_EQ(alpha(masks[0], 127, 336), 0u);
    EXPECT_EQ(alpha(masks[0], 127, 575), 0u);
    EXPECT_EQ(alpha(masks[0], 0, 576), 200u);
    // Up: the band rises by 32 pixels across the room; down falls.
    EXPECT_EQ(alpha(masks[1], 0, 335), 200u);
    EXPECT_EQ(alpha(masks[1], 127, 305), 0u);
    EXPECT_EQ(alpha(masks[1], 127, 545), 200u);
    EXPECT_EQ(alpha(masks[2], 127, 366), 200u);
    EXPECT_EQ(alpha(masks[2], 127, 600), 0u);
    EXPECT_EQ(&BandMaskOfScroll(masks, 3), &masks[0]);
}

} // namespace
} // namespace tikaroo
