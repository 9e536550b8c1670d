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

std::uint32_t Darkened(std::uint32_t colour) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        out |= ((((colour >> shift) & 0xFF) * 55 + 127) / 255) << shift;
    return out;
}

// The background gradient of a canvas 992 high at row y.
std::uint32_t Gradient(std::int32_t y) {
    return 0x010101u * static_cast<std::uint32_t>(0x20 + 0x30 * y / 991);
}

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

    void AddObject(std::size_t list, std::uint8_t id, std::uint32_t x) {
        ObjectEntry entry;
        entry.id = id;
        entry.x = x;
        scene.ShownLevel().objectLists[list].push_back(entry);
    }
    // A renderer that starts from nothing, for comparing with incremental redraws.
    PictureBuffer FreshCanvas() {
        CLevelRenderer fresh;
        fresh.SetMarkerSheets(&normal, &selected);
        fresh.SetClickPoint(clickPoint);
        fresh.SelectLevel(scene.image, scene.tables);
        return fresh.Canvas();
    }
    PicturePoint clickPoint{-1, -1};
};

TEST_F(Rendering, BackgroundLayerHasRoomsBandsAndFloorLines) {
    renderer.SelectLevel(scene.image, scene.tables);
    const PictureBuffer& canvas = renderer.Canvas();
    ASSERT_EQ(canvas.Width(), 4 * 128);
    ASSERT_EQ(canvas.Height(), 992);
    EXPECT_EQ(canvas.Pixel(10, 0), 0x202020u);                  // gradient top, above the mask
    EXPECT_EQ(canvas.Pixel(200, 991), 0x505050u);               // gradient bottom, below the mask
    EXPECT_EQ(canvas.Pixel(10, 200), Darkened(Gradient(200)));  // dark gradient above the room
    EXPECT_EQ(canvas.Pixel(10, 300), Darkened(kRoomColour));    // room row 44, above the band
    EXPECT_EQ(canvas.Pixel(10, 400), kRoomColour);              // room row 144, in the band (368-607)
    EXPECT_EQ(canvas.Pixel(10, 500), 0u);                       // the blank lower blocks
    EXPECT_EQ(canvas.Pixel(100, 464), 0xFF00FFu);               // floor line 208 + 256
    EXPECT_EQ(canvas.Pixel(100, 620), Darkened(Gradient(620))); // below the room and the band
    EXPECT_EQ(renderer.LevelPicture().Width(), 4 * 128);
    EXPECT_EQ(renderer.LevelPicture().Pixel(10, 10), kRoomColour);
    EXPECT_EQ(renderer.RoomCountShown(scene.tables), 4u);
    EXPECT_EQ(scene.ShownLevel().paletteZones.size(), 1u);
    EXPECT_EQ(scene.Set().layout.bandBottom.size(), 4u);
}

TEST_F(Rendering, OverlayHasLettersAndMarkersAndRecordsCanvasY) {
    scene.tables.objectTypes[5].descriptor[2] = 0xF0;
    AddObject(0, 5, 300);
    AddObject(2, 6, 128); // on the boundary: belongs to room 1
    renderer.SelectLevel(scene.image, scene.tables);
    const PictureBuffer& canvas = renderer.Canvas();
    // Letter A at room 0: floor 464, cell from x -66, square at (-10..5, 454..469).
    EXPECT_EQ(canvas.Pixel(0, 460), test::MarkerSquareColour('A', kNormalTint));
    // Object 5 at x 300, 16 above the floor: cell at 222, square at (278.., 438..), dot at (300, 448).
    EXPECT_EQ(canvas.Pixel(280, 440), test::MarkerSquareColour(5, kNormalTint));
    EXPECT_EQ(canvas.Pixel(300, 448), kMarkerDotColour);
    EXPECT_EQ(scene.ShownLevel().objectLists[0][0].canvasY, 448);
    EXPECT_EQ(scene.ShownLevel().objectLists[2][0].canvasY, 464);
    EXPECT_EQ(renderer.OverlayLayer().Pixel(300, 300), kKeyColour);
    EXPECT_EQ(renderer.BackgroundLayer().Pixel(300, 448), 0u); // the blank lower blocks, no dot

    scene.tables.view.selectedList = 0;
    scene.tables.view.selectedIndex = 0;
    renderer.Redraw(scene.tables, false, true);
    EXPECT_EQ(renderer.Canvas().Pixel(280, 440), test::MarkerSquareColour(5, kSelectedTint));
}

TEST_F(Rendering, OverlayOnlyRedrawEqualsAFullRedraw) {
    AddObject(0, 5, 300);
    AddObject(1, 7, 40);
    renderer.SelectLevel(scene.image, scene.tables);
    // Move one object, drop another, select, click: only the overlay is redrawn.
    scene.ShownLevel().objectLists[0][0].x = 420;
    scene.ShownLevel().objectLists[1].clear();
    AddObject(2, 9, 136);
    scene.tables.view.selectedList = 2;
    scene.tables.view.selectedIndex = 0;
    clickPoint = {137, 400};
    renderer.SetClickPoint(clickPoint);
    renderer.Redraw(scene.tables, false, true);
    EXPECT_TRUE(SamePictures(renderer.Canvas(), FreshCanvas()));
    EXPECT_EQ(renderer.Canvas().Pixel(137, 400), 0xFFFFFFu); // the click marker

    clickPoint = {-1, -1};
    renderer.SetClickPoint(clickPoint);
    renderer.Compose();
    EXPECT_TRUE(SamePictures(renderer.Canvas(), FreshCanvas()));

    // A room edit that raises the canvas: layout, picture and both layers again.
    scene.tables.geometry.bgStepTable[0] = 1;
    scene.Set().rooms[2].background = 1;
    renderer.BuildRoomLayout(scene.tables);
    renderer.BuildLevelPicture(scene.image, scene.tables, false);
    renderer.Redraw(scene.tables, true, true);
    EXPECT_EQ(renderer.Canvas().Height(), 992 + 128);
    EXPECT_TRUE(SamePictures(renderer.Canvas(), FreshCanvas()));
}

TEST_F(Rendering, BackgroundStepsShiftEachStripOfTheRoom) {
    scene.tables.geometry.bgStepTable = {1, 0, 0, 0, 0, 0, 0, 0};
    scene.tables.geometry.bgMaskTable = {0, 0, 0, 0, 0, 0, 0, 0};
    scene.Set().rooms[1].background = 1; // every column steps one unit down
    renderer.SelectLevel(scene.image, scene.tables);
    const PictureBuffer& background = renderer.BackgroundLayer();
    // Room 1's first strip starts 8 lower, its last 128 lower; room 2 follows 128 lower.
    EXPECT_EQ(background.Pixel(128, 256 + 8 + 150), kRoomColour);
    EXPECT_EQ(background.Pixel(128, 256 + 8 + 195), 0u);
    EXPECT_EQ(background.Pixel(255, 256 + 128 + 190), kRoomColour);
    EXPECT_EQ(background.Pixel(256, 256 + 128 + 190), kRoomColour);
    EXPECT_EQ(background.Pixel(256, 256 + 128 + 193), 0u);
}

TEST_F(Rendering, BonusModeDrawsSixteenRoomsWithoutLettersAndTheBonusObjects) {
    test::RenderScene bonus(64);
    bonus.tables.view.bonusMode = true;
    bonus.tables.view.currentBonusLevel = 2;
    bonus.tables.bonusArea = {0, 1, 20};
    ObjectEntry entry;
    entry.id = 5;
    entry.x = 2048 + 300;
    bonus.tables.bonusLevels[2].objectLists[0].push_back(entry);
    entry.x = 300; // a main level object stays off
    bonus.ShownLevel().objectLists[0].push_back(entry);
    renderer.SelectLevel(bonus.image, bonus.tables);
    const PictureBuffer& canvas = renderer.Canvas();
    ASSERT_EQ(canvas.Width(), 20 * 128);
    EXPECT_EQ(canvas.Pixel(15 * 128 + 10, 400), kRoomColour);
    EXPECT_EQ(canvas.Pixel(16 * 128 + 10, 400), Gradient(400)); // room 16 not drawn
    EXPECT_NE(canvas.Pixel(0, 460), test::MarkerSquareColour('A', kNormalTint));
    EXPECT_EQ(canvas.Pixel(300, 464), kMarkerDotColour);
    EXPECT_EQ(bonus.tables.bonusLevels[2].objectLists[0][0].canvasY, 464);
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
