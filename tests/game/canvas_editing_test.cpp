// Room and object edits of the model, on the opened sample game.
#include "game/game_rom.h"
#include "game/level_lookup.h"
#include "game/level_selection.h"
#include "game/object_params.h"
#include "game/room_fields.h"
#include "opened_sample.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace tikaroo {
namespace {

class CanvasEditing : public test::OpenedSampleTest {
protected:
    ObjectsList& List(std::size_t list) { return ObjectsLevel(rom)->objectLists[list]; }
};

// Below zero a field wraps to its top, above the top to zero; setRoom's top follows the graphic set.
TEST(RoomFields, EveryFieldWrapsBothWays) {
    const LevelRoom tops{9, 2, 6, 7, 3, 15, 15};
    EXPECT_EQ(NormaliseRoom({255, 255, 255, 255, 255, 255, 255}, 10), tops);
    EXPECT_EQ(NormaliseRoom(tops, 10), tops);
    EXPECT_EQ(NormaliseRoom({10, 3, 7, 8, 4, 16, 16}, 10), LevelRoom{});
}

TEST_F(CanvasEditing, StoreRoomNormalisesAndRefusesWhatItCannotStore) {
    const std::size_t rooms = LevelSetOf(rom, *ShownLevel(rom))->rooms.size();
    LevelRoom fields = rom.ReadRoom(3);
    fields.background = 7;
    fields.scroll = 255;
    ASSERT_TRUE(rom.StoreRoom(3, fields));
    EXPECT_EQ(rom.ReadRoom(3).background, 0);
    EXPECT_EQ(rom.ReadRoom(3).scroll, 2);
    EXPECT_FALSE(rom.StoreRoom(rooms, fields));
    EXPECT_EQ(rom.ReadRoom(rooms), LevelRoom{});

    SelectLevel(rom, {.bonus = true, .index = 0});
    EXPECT_FALSE(rom.StoreRoom(0, {}));
    EXPECT_EQ(rom.ReadRoom(0), LevelRoom{});
}

TEST_F(CanvasEditing, HitBoxesReachEightPixelsBothWaysAndListAllHitsInOrder) {
    ObjectEntry& first = List(0)[0];
    first.canvasY = 300;
    const auto x = static_cast<std::int32_t>(first.x);
    EXPECT_EQ(rom.FindObjectsAt(x - 8, 308).size(), 1U);
    EXPECT_TRUE(rom.FindObjectsAt(x - 9, 300).empty());
    EXPECT_TRUE(rom.FindObjectsAt(x, 309).empty());

    ASSERT_TRUE(rom.InsertObject(2, {.id = 60, .param1 = 0x21}, x + 8));
    List(2).back().canvasY = 296;
    const std::vector<ObjectHit> hits = rom.FindObjectsAt(x + 4, 300);
    ASSERT_EQ(hits.size(), 2U);
    EXPECT_EQ(hits[0].list, 0U);
    EXPECT_EQ(hits[0].entry, first);
    EXPECT_EQ(hits[1].list, 2U);
    EXPECT_EQ(hits[1].index, List(2).size() - 1);
}

TEST_F(CanvasEditing, InsertDuplicateMoveAndDeleteWorkOnTheSelection) {
    ASSERT_TRUE(rom.InsertObject(1, {.id = 18}, 205));
    EXPECT_EQ(rom.view.selectedList, 1);
    EXPECT_EQ(rom.SelectedObject()->x, 200U);
    EXPECT_TRUE(rom.InsertObject(0, {.id = 7}, -1)); // before any click: the level start
    EXPECT_EQ(rom.SelectedObject()->x, 0U);
    EXPECT_FALSE(rom.InsertObject(3, {.id = 7}, 0));

    ASSERT_TRUE(rom.SelectObject(1, List(1).size() - 1));
    ASSERT_TRUE(rom.DuplicateSelectedObject(64));
    EXPECT_EQ(List(1).back().id, 18);
    EXPECT_EQ(List(1).back().x, 64U);

    EXPECT_TRUE(rom.MoveSelectedObject(99));
    EXPECT_EQ(rom.SelectedObject()->x, 96U);
    EXPECT_FALSE(rom.MoveSelectedObject(100)); // the same place
    EXPECT_FALSE(rom.MoveSelectedObject(-8));
    const auto width =
        static_cast<std::int32_t>(LevelSetOf(rom, *ShownLevel(rom))->rooms.size()) * kRoomWidth;
    EXPECT_FALSE(rom.MoveSelectedObject(width + 8));

    const std::size_t before = List(1).size();
    ASSERT_TRUE(rom.DeleteSelectedObject());
    EXPECT_EQ(List(1).size(), before - 1);
    EXPECT_EQ(rom.SelectedObject(), nullptr);
    EXPECT_FALSE(rom.DeleteSelectedObject());
    EXPECT_FALSE(rom.SelectObject(0, List(0).size()));
}

TEST_F(CanvasEditing, PositionsTheImageCannotKeepAreRefused) {
    // Bonus 1 starts 2048 pixels into its level.
    const std::tuple<bool, std::int32_t, bool> cases[] = {
        {false, 8191, true}, {false, 8192, false}, {true, 6143, true}, {true, 6144, false}};
    for (const auto& [bonus, canvasX, taken] : cases) {
        SCOPED_TRACE(testing::Message() << "bonus " << bonus << " at " << canvasX);
        if (bonus) SelectLevel(rom, {.bonus = true, .index = 0});
        EXPECT_EQ(rom.InsertObject(0, {.id = 7}, canvasX), taken);
        if (taken) {
            EXPECT_EQ(rom.SelectedObject()->x, rom.ObjectsOrigin() + canvasX / 8 * 8);
        }
        ASSERT_TRUE(rom.SelectObject(0, 0));
        EXPECT_EQ(rom.DuplicateSelectedObject(canvasX), taken);
    }
}

TEST_F(CanvasEditing, DraggingInBonusModeKeepsTheAreaStart) {
    SelectLevel(rom, {.bonus = true, .index = 0});
    EXPECT_EQ(rom.ObjectsOrigin(), 2048U);
    ASSERT_TRUE(rom.SelectObject(0, 0));
    ASSERT_TRUE(rom.MoveSelectedObject(130));
    EXPECT_EQ(rom.SelectedObject()->x, 2048U + 128U);
}

TEST_F(CanvasEditing, SavingSortsTheListsAndTheSelectionStaysOnItsObject) {
    // The first object moves onto the last one's x: a stable sort puts it just before that one.
    ASSERT_TRUE(rom.SelectObject(0, 0));
    ASSERT_TRUE(rom.MoveSelectedObject(static_cast<std::int32_t>(List(0).back().x)));
    const ObjectEntry moved = *rom.SelectedObject();
    const test::TempDir dir;
    rom.SaveRom(dir.Path("saved.nes"));
    EXPECT_TRUE(std::ranges::is_sorted(List(0), {}, &ObjectEntry::x));
    EXPECT_EQ(rom.view.selectedIndex, static_cast<int>(List(0).size()) - 2);
    EXPECT_EQ(*rom.SelectedObject(), moved);
}

TEST_F(CanvasEditing, ObjectsListsAreStoredOnlyWhole) {
    std::vector<ObjectLists> levels = rom.LevelObjectsLists();
    std::vector<ObjectLists> bonus = rom.BonusObjectsLists();
    levels[5][1] = bonus[8][0];
    levels.pop_back();
    EXPECT_FALSE(rom.StoreObjectsLists(levels, bonus));
    levels.push_back({});
    ASSERT_TRUE(rom.StoreObjectsLists(levels, bonus));
    EXPECT_EQ(rom.levels[5].objectLists[1], bonus[8][0]);
    EXPECT_TRUE(rom.levels[31].objectLists[0].empty());
    EXPECT_EQ(rom.levels[kBossSlot].objectLists, test::OpenedSample().levels[kBossSlot].objectLists);
}

TEST(ObjectParams, PackingFollowsTheObjectKind) {
    const PackedParams old{0x5A, 0x77};
    const auto bytes = [](PackedParams packed) { return std::pair<int, int>(packed.param1, packed.param2); };
    const std::tuple<std::uint8_t, ObjectParams, std::pair<int, int>> cases[] = {
        {56, {.height = 7, .climbHeight = 1, .sleeping = true}, {0xE6, 0}},
        {57, {.height = 200}, {200, 0}},
        {58, {.topOfBridge = -1, .handler = 5}, {0xFD, 0x77}},
        {63, {.topOfBridge = -16, .handler = 2, .sensitivity = -32}, {0x82, 0xE0}},
        {60, {.height = 3}, bytes(old)},
        {12, {.height = 3}, bytes(old)},
    };
    for (const auto& [id, params, expected] : cases) {
        SCOPED_TRACE(testing::Message() << "id " << int{id});
        const PackedParams packed = PackObjectParams(id, params, old);
        EXPECT_EQ(bytes(packed), expected);
        const ObjectParams unpacked = UnpackObjectParams(id, packed.param1, packed.param2);
        EXPECT_EQ(bytes(PackObjectParams(id, unpacked, old)), expected);
    }
}

} // namespace
} // namespace tikaroo
