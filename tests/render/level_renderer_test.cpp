#include "render/chr_banks.h"
#include "render/floor_lines.h"
#include "render/level_picture.h"
#include "render/level_renderer.h"
#include "render/nes_colors.h"
#include "render/room_layout.h"
#include "render/screen_band_masks.h"
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

    void AddObject(std::size_t list, std::uint8_t id, std::uint32_t x) {
        ObjectEntry entry;
        entry.id = id;
        entry.x = x;
        scene.ShownLevel().objectLists[list].push_back(entry);
    }
    void SetClickPoint(test::RenderScene& shown, PicturePoint point) {
        shown.tables.view.clickX = point.x;
        shown.tables.view.clickY = point.y;
    }
};

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

    scene.tables.view.selectedList = 0;
    scene.tables.view.selectedIndex = 0;
    renderer.Redraw(scene.tables, false, true);
    EXPECT_EQ(renderer.Canvas().Pixel(280, 440), test::MarkerSquareColour(5, kSelectedTint));
}

// The canvas built the plain way: the gradient, then room by room the strips, the blended band mask
// and the floor line; the overlay as a picture of its own, copied over without its key colour.
PictureBuffer ReferenceCanvas(const GameTables& tables, const PictureBuffer& levelPicture,
                              const MarkerSheets& sheets, PicturePoint click) {
    const Level& level = tables.levels[tables.view.currentLevel];
    const LevelSet& set = tables.levelSets.at(level.levelSet);
    const ShownRooms shown = RoomsShown(tables, set);
    const RoomLayout layout = BuildRoomLayout(tables, set);
    std::int32_t lowest = 0;
    for (const auto& offset : layout.pictureOffset) lowest = std::max(lowest, offset[1]);
    const std::int32_t y0 = layout.pictureOffset[0][1];
    PictureBuffer background(static_cast<std::int32_t>(shown.count) * 128,
                             std::min(lowest + 992, kMaxCanvasHeight));
    background.FillVerticalGradient(0x202020, 0x505050);
    PictureBuffer overlay(background.Width(), background.Height());
    overlay.Fill(kKeyColour);
    const ScreenBandMasks masks = MakeScreenBandMasks();
    const Level& objects = tables.view.bonusMode ? tables.bonusLevels[tables.view.currentBonusLevel] : level;

    std::int32_t x = 0;
    std::int32_t y = y0 + 256;
    for (std::size_t r = 0; r < shown.drawn; ++r) {
        const std::size_t a = shown.first + r;
        const LevelRoom& room = set.rooms[a];
        const auto offsets = BackgroundColumnOffsets(tables.geometry, room.background, a);
        for (std::int32_t c = 0; c < 16; ++c) {
            background.CopyFrom(levelPicture,
                                {128 * static_cast<std::int32_t>(a) + 8 * c, 0,
                                 128 * static_cast<std::int32_t>(a) + 8 * c + 8, 352},
                                x + 8 * c, y + offsets[static_cast<std::size_t>(c)]);
        }
        const PictureBuffer& mask = masks[room.scroll > 2 ? 0 : room.scroll];
        background.BlendFrom(mask, mask.Bounds(), x, layout.bandBottom[r][1] + y0 - 320);
        const std::int32_t line = layout.floorLine[r][1] + y0 + 256;
        DrawFloorLine(background, tables.geometry, room, {x, line});

        if (!tables.view.bonusMode && (a % 16 == 0 || a == 63)) {
            const std::int32_t letter = a == 63 ? 'E' : 'A' + static_cast<std::int32_t>(a / 16);
            DrawMarker(overlay, sheets, PlaceMarker(tables, set, room, {letter, x, 0}, 0, line), false,
                       false);
        }
        for (std::size_t k = 0; k < 3; ++k) {
            for (std::size_t i = 0; i < objects.objectLists[k].size(); ++i) {
                const ObjectEntry& entry = objects.objectLists[k][i];
                const auto ex = static_cast<std::int32_t>(entry.x);
                if (ex < x + shown.objectsX || ex >= x + shown.objectsX + 128) continue;
                const bool selected = tables.view.selectedList == static_cast<int>(k) &&
                                      tables.view.selectedIndex == static_cast<int>(i);
                DrawMarker(overlay, sheets,
                           PlaceMarker(tables, set, room, {entry.id, ex, entry.param1}, shown.objectsX, line),
                           selected, true);
            }
        }
        x += 128;
        y += offsets[15];
    }
    PictureBuffer canvas = background;
    canvas.CopyKeyedFrom(overlay, overlay.Bounds(), 0, 0);
    if (click.x != -1 || click.y != -1) canvas.FillCircle(click, 8, 0xFFFFFF, 0);
    return canvas;
}

TEST_F(Rendering, CanvasEqualsThePlainLayerComposition) {
    test::RenderScene busy(40);
    busy.tables.geometry.bgStepTable = {1, 0xFE, 0, 0, 0, 0, 0, 0};
    busy.tables.geometry.bgMaskTable = {1, 0x12, 0, 0, 0, 0, 0, 0};
    busy.tables.geometry.floorShiftTable = {0, 8, 0xF0, 0, 0, 0, 0, 0};
    busy.tables.geometry.gapStartTable = {0, 32, 48, 64, 16, 0, 32, 48, 96};
    busy.tables.geometry.gapEndTable = {32, 64, 128, 96, 112, 48, 80, 200, 128};
    busy.tables.objectTypes[12].descriptor[2] = 0xE0;
    for (std::size_t r = 0; r < 40; ++r) {
        LevelRoom& room = busy.Set().rooms[r];
        room.scroll = static_cast<std::uint8_t>(r % 4);
        room.background = static_cast<std::uint8_t>(r % 5 == 2 ? 1 : r % 7 == 3 ? 2 : 0);
        room.floorShift = static_cast<std::uint8_t>(r % 3);
        room.slideFloor = static_cast<std::uint8_t>(r % 4 == 1);
        room.floorGeom = static_cast<std::uint8_t>(r % 16);
        room.fruitsHeight = static_cast<std::uint8_t>(r % 16);
    }
    for (std::uint32_t i = 0; i < 90; ++i) {
        ObjectEntry entry;
        entry.id = static_cast<std::uint8_t>(1 + i * 7 % 63);
        entry.x = i * 56 % (40 * 128) / 8 * 8;
        entry.param1 = static_cast<std::uint8_t>(i * 29);
        busy.ShownLevel().objectLists[i % 3].push_back(entry);
    }
    busy.tables.view.selectedList = 1;
    busy.tables.view.selectedIndex = 4;
    const MarkerSheets sheets = MarkerSheetsOf(&normal, &selected);

    SetClickPoint(busy, {700, 500});
    renderer.SelectLevel(busy.image, busy.tables);
    EXPECT_TRUE(SamePictures(renderer.Canvas(),
                             ReferenceCanvas(busy.tables, renderer.LevelPicture(), sheets, {700, 500})));

    // After an object edit only the overlay is redrawn.
    busy.ShownLevel().objectLists[0][3].x += 200;
    busy.tables.view.selectedList = 0;
    busy.tables.view.selectedIndex = 3;
    SetClickPoint(busy, {-1, -1});
    renderer.Redraw(busy.tables, false, true);
    EXPECT_TRUE(SamePictures(renderer.Canvas(),
                             ReferenceCanvas(busy.tables, renderer.LevelPicture(), sheets, {-1, -1})));

    // A room edit that raises the canvas: layout, picture and both layers again.
    const std::int32_t height = renderer.Canvas().Height();
    busy.Set().rooms[0].background = 1;
    renderer.BuildRoomLayout(busy.tables);
    renderer.BuildLevelPicture(busy.image, busy.tables, false);
    renderer.Redraw(busy.tables, true, true);
    EXPECT_NE(renderer.Canvas().Height(), height);
    EXPECT_TRUE(SamePictures(renderer.Canvas(),
                             ReferenceCanvas(busy.tables, renderer.LevelPicture(), sheets, {-1, -1})));

    // Bonus mode over the same rooms.
    busy.tables.view.bonusMode = true;
    busy.tables.view.currentBonusLevel = 1;
    busy.tables.bonusArea = {0, 1, 24};
    busy.tables.bonusLevels[1].objectLists = busy.ShownLevel().objectLists;
    for (auto& list : busy.tables.bonusLevels[1].objectLists)
        for (auto& entry : list) entry.x += 2048;
    renderer.SelectLevel(busy.image, busy.tables);
    EXPECT_TRUE(SamePictures(renderer.Canvas(),
                             ReferenceCanvas(busy.tables, renderer.LevelPicture(), sheets, {-1, -1})));
}

// Steps of a damaged table and many markers on one spot: the canvas stops at its limit and says
// so, and an overlay redraw still puts back what the markers covered.
TEST_F(Rendering, SteepLevelIsDrawnCutAtTheHeightLimit) {
    test::RenderScene steep(64);
    steep.tables.geometry.bgStepTable.fill(0x7F);
    for (std::size_t r = 0; r < 64; ++r)
        steep.Set().rooms[r].background = static_cast<std::uint8_t>(1 + r % 7);
    ObjectEntry entry;
    entry.id = 5;
    entry.x = 300;
    steep.ShownLevel().objectLists[0].assign(200, entry);
    const MarkerSheets sheets = MarkerSheetsOf(&normal, &selected);

    renderer.SelectLevel(steep.image, steep.tables);
    EXPECT_TRUE(renderer.DrawnCut());
    EXPECT_EQ(renderer.Canvas().Height(), kMaxCanvasHeight);
    EXPECT_TRUE(SamePictures(renderer.Canvas(),
                             ReferenceCanvas(steep.tables, renderer.LevelPicture(), sheets, {-1, -1})));

    steep.ShownLevel().objectLists[0].resize(1);
    steep.ShownLevel().objectLists[0][0].x = 700;
    renderer.Redraw(steep.tables, false, true);
    EXPECT_TRUE(SamePictures(renderer.Canvas(),
                             ReferenceCanvas(steep.tables, renderer.LevelPicture(), sheets, {-1, -1})));

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
