#include "render/chr_banks.h"
#include "render/level_picture.h"
#include "render/level_renderer.h"
#include "render/nes_colors.h"
#include "render_scene.h"
#include "tile_image.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tikaroo {
namespace {

constexpr std::uint32_t kNormalTint = 0x11;
constexpr std::uint32_t kSelectedTint = 0x22;
const std::uint32_t kRoomColour = NesColour(0x16); // block 1: colour 1 of sub-palette 0

bool SamePictures(const PictureBuffer& a, const PictureBuffer& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           std::equal(a.Data(), a.Data() + a.Width() * a.Height(), b.Data());
}

struct Rendering : ::testing::Test {
    test::RenderScene scene{4};
    PictureBuffer normal = test::MakeMarkerSheet(kNormalTint);
    PictureBuffer selected = test::MakeMarkerSheet(kSelectedTint);
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

TEST_F(Rendering, OverlayHasLettersAndMarkersAndRecordsCanvasY) {
    scene.tables.objectTypes[5].descriptor[2] = 0xF0;
    AddObject(scene, 0, 5, 300);
    AddObject(scene, 2, 6, 128); // on the boundary: belongs to room 1
    renderer.SelectLevel(scene.image, scene.tables);
    const PictureBuffer& canvas = renderer.Canvas();
    // Letter A at room 0: floor 464, cell from x -66, square at (-10..5,
    // 454..469).
    EXPECT_EQ(canvas.Pixel(0, 460), test::MarkerSquareColour('A', kNormalTint));
    // Object 5 at x 300, 16 above the floor: cell at 222, square at (278..,
    // 438..), dot at (300, 448).
    EXPECT_EQ(canvas.Pixel(280, 440), test::MarkerSquareColour(5, kNormalTint));
    EXPECT_EQ(canvas.Pixel(300, 448), kMarkerDotColour);
    EXPECT_EQ(scene.ShownLevel().objectLists[0][0].canvasY, 448);
    EXPECT_EQ(scene.ShownLevel().objectLists[2][0].canvasY, 464);

    scene.tables.view.selectedList = 0;
    scene.tables.view.selectedIndex = 0;
    renderer.Redraw(scene.tables, false, true);
    EXPECT_EQ(renderer.Canvas().Pixel(280, 440), test::MarkerSquareColour(5, kSelectedTint));
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

// Geometry of every kind, markers crowding the canvas, and a damaged step table
// that runs past the height limit: redraws after object and room edits show
// what a fresh drawing shows.
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
    EXPECT_TRUE(SamePictures(renderer.Canvas(), FreshCanvas(busy, normal, selected)));

    const std::int32_t height = renderer.Canvas().Height();
    busy.Set().rooms[0].background = 1; // raises the canvas
    renderer.BuildRoomLayout(busy.tables);
    renderer.BuildLevelPicture(busy.image, busy.tables, false);
    renderer.Redraw(busy.tables, true, true);
    EXPECT_NE(renderer.Canvas().Height(), height);
    EXPECT_TRUE(SamePictures(renderer.Canvas(), FreshCanvas(busy, normal, selected)));

    busy.tables.geometry.bgStepTable.fill(0x7F);
    for (std::size_t r = 0; r < 40; ++r)
        busy.Set().rooms[r].background = static_cast<std::uint8_t>(1 + r % 7);
    renderer.SelectLevel(busy.image, busy.tables);
    EXPECT_TRUE(renderer.DrawnCut());
    EXPECT_EQ(renderer.Canvas().Height(), kMaxCanvasHeight);
    busy.ShownLevel().objectLists[0].resize(1);
    renderer.Redraw(busy.tables, false, true);
    EXPECT_TRUE(SamePictures(renderer.Canvas(), FreshCanvas(busy, normal, selected)));
    renderer.SelectLevel(scene.image, scene.tables);
    EXPECT_FALSE(renderer.DrawnCut());
}

TEST(LevelPicture, BossRoomsComeFromTheBossRow) {
    for (std::size_t slot : {3u, 32u, 2u}) {
        test::RenderScene scene(64, slot);
        SelectChrBanks(scene.image, kBossBankSet);
        scene.image.allTiles[scene.image.ppuTileMap[256 + 1]] = test::SolidTile(2);
        CLevelRenderer renderer;
        renderer.SelectLevel(scene.image, scene.tables);
        const PictureBuffer& picture = renderer.LevelPicture();
        ASSERT_EQ(picture.Width(), 64 * 128);
        const std::uint32_t boss = NesColour(0x2A);
        EXPECT_EQ(picture.Pixel(60 * 128, 0), slot == 32 ? boss : kRoomColour) << slot;
        EXPECT_EQ(picture.Pixel(61 * 128, 0), slot == 2 ? kRoomColour : boss) << slot;
        EXPECT_EQ(IsBossRoom(slot, 0), slot == 32);
    }
}

} // namespace
} // namespace tikaroo
