#include "render/floor_lines.h"
#include "render/room_layout.h"
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

// The golden canvases hold the shapes of geometries 0-6; here the gaps, whose ends come from tables.
TEST(FloorLines, GapsLeaveOutTheirPartOfTheRoom) {
    LevelGeometryTables geometry;
    geometry.gapStartTable = {0, 48, 32, 0, 0, 0, 0, 0, 0};
    geometry.gapEndTable = {64, 128, 96, 0, 0, 0, 0, 0, 0};
    using P = std::vector<std::vector<std::pair<int, int>>>;
    const auto points = [&](std::uint8_t g) {
        P out;
        for (const auto& piece : FloorLinePieces(geometry, g, {100, 200})) {
            auto& list = out.emplace_back();
            for (const auto& point : piece) list.emplace_back(point.x, point.y);
        }
        return out;
    };
    // Gap 7: no left piece (start 0); gap 8: end 128 leaves only the left piece; gap 9: both.
    EXPECT_EQ(points(7), (P{{{164, 200}, {228, 200}}}));
    EXPECT_EQ(points(8), (P{{{100, 200}, {148, 200}}}));
    EXPECT_EQ(points(9), (P{{{100, 200}, {132, 200}}, {{196, 200}, {228, 200}}}));
}

} // namespace
} // namespace tikaroo
