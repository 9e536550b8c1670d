#include "render/level_renderer.h"
#include "render_scene.h"
#include "support/tile_sheet_pictures.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

struct Rendering : ::testing::Test {
    test::RenderScene scene{4};
    PictureBuffer normal = test::MakeMarkerSheet(0x11);
    PictureBuffer selected = test::MakeMarkerSheet(0x22);
    CLevelRenderer renderer;

    Rendering() { renderer.SetMarkerSheets(&normal, &selected); }

    static void AddObject(test::RenderScene& shown, std::size_t list, std::uint8_t id, std::uint32_t x) {
        shown.ShownLevel().objectLists[list].push_back(
            {.id = id, .x = x, .param1 = static_cast<std::uint8_t>(x)});
    }
    static void SetClickPoint(test::RenderScene& shown, PicturePoint point) {
        shown.tables.view.clickX = point.x;
        shown.tables.view.clickY = point.y;
    }
};

// The hit test finds objects by the canvas y their markers were drawn at.
TEST_F(Rendering, OverlayRecordsEachObjectsCanvasY) {
    scene.tables.objectTypes[5].descriptor[2] = 0xF0;
    AddObject(scene, 0, 5, 300);
    AddObject(scene, 2, 6, 128); // on the boundary: belongs to room 1
    renderer.SelectLevel(scene.image, scene.tables);
    // The floor is at 464; type 5 stands 16 above it, type 6 on it.
    EXPECT_EQ(scene.ShownLevel().objectLists[0][0].canvasY, 448);
    EXPECT_EQ(scene.ShownLevel().objectLists[2][0].canvasY, 464);
}

// What a renderer drawing `tables` afresh shows.
PictureBuffer FreshCanvas(const test::RenderScene& scene, const PictureBuffer& normal,
                          const PictureBuffer& selected) {
    test::RenderScene copy = scene;
    CLevelRenderer renderer;
    renderer.SetMarkerSheets(&normal, &selected);
    renderer.SelectLevel(copy.image, copy.tables);
    return renderer.Canvas();
}

// Geometry of every kind, markers crowding the canvas, and a damaged step table that runs past the
// height limit: redraws after object and room edits show what a fresh drawing shows.
TEST_F(Rendering, RedrawsAfterEditsEqualAFreshDrawing) {
    test::RenderScene busy(40);
    busy.tables.geometry.bgStepTable = {1, 0xFE, 0, 0, 0, 0, 0, 0};
    busy.tables.geometry.bgMaskTable = {1, 0x12, 0, 0, 0, 0, 0, 0};
    busy.tables.geometry.floorShiftTable = {0, 8, 0xF0, 0, 0, 0, 0, 0};
    busy.tables.geometry.gapStartTable = {0, 32, 48, 64, 16, 0, 32, 48, 96};
    busy.tables.geometry.gapEndTable = {32, 64, 128, 96, 112, 48, 80, 200, 128};
    busy.tables.objectTypes[12].descriptor[2] = 0xE0;
    const auto field = [](std::size_t value) { return static_cast<std::uint8_t>(value); };
    for (std::size_t r = 0; r < 40; ++r)
        busy.Set().rooms[r] = {.scroll = field(r % 4),
                               .background = field(r % 5 == 2   ? 1
                                                   : r % 7 == 3 ? 2
                                                                : 0),
                               .floorShift = field(r % 3),
                               .slideFloor = field(r % 4 == 1),
                               .fruitsHeight = field(r % 16),
                               .floorGeom = field(r % 16)};
    for (std::uint32_t i = 0; i < 90; ++i)
        AddObject(busy, i % 3, static_cast<std::uint8_t>(1 + i * 7 % 63), i * 56 % (40 * 128) / 8 * 8);
    SetClickPoint(busy, {700, 500});
    renderer.SelectLevel(busy.image, busy.tables);

    busy.ShownLevel().objectLists[0][3].x += 200;
    busy.tables.view.selectedList = 0;
    busy.tables.view.selectedIndex = 3;
    SetClickPoint(busy, {-1, -1});
    renderer.Redraw(busy.tables, false, true);
    EXPECT_TRUE(test::SamePixels(renderer.Canvas(), FreshCanvas(busy, normal, selected)));

    const std::int32_t height = renderer.Canvas().Height();
    busy.Set().rooms[0].background = 1; // raises the canvas
    renderer.BuildRoomLayout(busy.tables);
    renderer.BuildLevelPicture(busy.image, busy.tables, false);
    renderer.Redraw(busy.tables, true, true);
    EXPECT_NE(renderer.Canvas().Height(), height);
    EXPECT_TRUE(test::SamePixels(renderer.Canvas(), FreshCanvas(busy, normal, selected)));

    busy.tables.geometry.bgStepTable.fill(0x7F);
    for (std::size_t r = 0; r < 40; ++r)
        busy.Set().rooms[r].background = static_cast<std::uint8_t>(1 + r % 7);
    renderer.SelectLevel(busy.image, busy.tables);
    EXPECT_TRUE(renderer.DrawnCut());
    EXPECT_EQ(renderer.Canvas().Height(), kMaxCanvasHeight);
    busy.ShownLevel().objectLists[0].resize(1);
    renderer.Redraw(busy.tables, false, true);
    EXPECT_TRUE(test::SamePixels(renderer.Canvas(), FreshCanvas(busy, normal, selected)));
    renderer.SelectLevel(scene.image, scene.tables);
    EXPECT_FALSE(renderer.DrawnCut());
}

} // namespace
} // namespace tikaroo
