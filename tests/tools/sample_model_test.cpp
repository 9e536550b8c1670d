#include "sample_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tikaroo::sample {
namespace {

const GameTables& Tables() {
    static const GameTables tables = MakeSampleGame().tables;
    return tables;
}

TEST(SampleModel, LevelsNameLevelSets0To11AndOnlySlot32TheBossSet) {
    const GameTables& t = Tables();
    ASSERT_EQ(t.levels.size(), kLevelSlotCount);
    ASSERT_EQ(t.bonusLevels.size(), kBonusLevelCount);
    std::set<std::uint8_t> named;
    for (std::size_t slot = 0; slot < kPlayableLevelCount; ++slot) {
        named.insert(t.levels[slot].levelSet);
        EXPECT_LT(t.levels[slot].paletteSet, kPaletteSetCount);
        const std::uint8_t updater = t.levels[slot].paletteUpdater;
        EXPECT_TRUE(updater == kNoPaletteUpdater || t.paletteUpdaters.count(updater)) << slot;
    }
    const std::uint8_t boss = t.levels[kBossSlot].levelSet;
    EXPECT_EQ(named.count(boss), 0u);
    named.insert(boss);
    EXPECT_EQ(named.size(), 12u);
    ASSERT_EQ(t.levelSets.size(), 12u);
    for (const auto& [id, set] : t.levelSets) {
        EXPECT_LT(id, 12);
        EXPECT_EQ(set.rooms.size(), id == boss ? kBossSlotRooms : kRoomsPerLevelSet) << int(id);
        EXPECT_EQ(set.attributes & 0x40, 0) << "the conversion rewrites bit 6";
        EXPECT_LE(set.music, 14);
        std::uint8_t last = 0;
        for (const LevelRoom& room : set.rooms) last = std::max(last, room.setRoom);
        EXPECT_EQ(set.lastSetRoom, last);
    }
    // Background, scroll, floor shift and floor geometry all take several values.
    std::set<int> backgrounds, scrolls, shifts, geoms, slides;
    for (const auto& [id, set] : t.levelSets) {
        for (const LevelRoom& room : set.rooms) {
            backgrounds.insert(room.background);
            scrolls.insert(room.scroll);
            shifts.insert(room.floorShift);
            geoms.insert(room.floorGeom);
            slides.insert(room.slideFloor);
        }
    }
    EXPECT_EQ(backgrounds.size(), 8u);
    EXPECT_EQ(scrolls.size(), 4u);
    EXPECT_EQ(shifts.size(), 8u);
    EXPECT_GE(geoms.size(), 6u);
    EXPECT_EQ(slides.size(), 4u);
    for (const Level& bonus : t.bonusLevels) {
        EXPECT_EQ(bonus.levelSet, boss);
        EXPECT_EQ(bonus.eggValues, t.levels[kBossSlot].eggValues);
    }
}

// The readers derive every count from the largest index that the table above uses; the sample's
// tables must have exactly those counts.
TEST(SampleModel, GraphicSetCountsAreTheOnesTheReadersDerive) {
    const GameTables& t = Tables();
    ASSERT_EQ(t.graphicSets.size(), kGraphicSetCount);
    for (const auto& [id, set] : t.graphicSets) {
        std::uint8_t lastRoom = 0;
        bool used = false;
        for (const auto& [setId, levelSet] : t.levelSets) {
            if (levelSet.GraphicSetId() != id) continue;
            used = true;
            lastRoom = std::max(lastRoom, levelSet.lastSetRoom);
        }
        EXPECT_EQ(set.used, used ? 1u : 0u) << int(id);
        EXPECT_EQ(set.lastRoom, lastRoom) << int(id);
        if (!used) {
            EXPECT_TRUE(set.rooms.empty() && set.blocks.empty()) << int(id);
            continue;
        }
        ASSERT_EQ(set.rooms.size(), lastRoom + 1u);
        int maxGeom = 0, maxTop = 0, maxBottom = 0, maxBlock = 0;
        for (const SetRoom& room : set.rooms)
            maxGeom = std::max<int>(maxGeom, *std::max_element(room.begin(), room.end()));
        for (LineGeom geom : set.lineGeom) {
            maxTop = std::max(maxTop, geom & 0xFF);
            maxBottom = std::max(maxBottom, geom >> 8);
        }
        for (const TopLines& line : set.topLines)
            maxBlock = std::max<int>(maxBlock, *std::max_element(line.begin(), line.end()));
        for (const BottomLines& line : set.bottomLines)
            maxBlock = std::max<int>(maxBlock, *std::max_element(line.begin(), line.end()));
        EXPECT_EQ(set.lineGeom.size(), maxGeom + 1u);
        EXPECT_EQ(set.topLines.size(), maxTop + 1u);
        EXPECT_EQ(set.bottomLines.size(), maxBottom + 1u);
        EXPECT_EQ(set.blocks.size(), maxBlock + 1u);
        EXPECT_EQ(set.attributes.size(), set.blocks.size());
        EXPECT_GE(set.rooms.size(), 12u);
    }
}

TEST(SampleModel, ObjectsUseEveryIdWithParametersOnlyWhereStoredAndShareSomeLists) {
    const GameTables& t = Tables();
    std::set<int> ids;
    std::vector<const ObjectsList*> lists;
    for (const auto* levels : {&t.levels, &t.bonusLevels}) {
        for (const Level& level : *levels) {
            for (const ObjectsList& list : level.objectLists) {
                if (!list.empty()) lists.push_back(&list);
                for (std::size_t i = 0; i < list.size(); ++i) {
                    const ObjectEntry& e = list[i];
                    ids.insert(e.id);
                    EXPECT_EQ(e.x % 8, 0u);
                    EXPECT_LT(e.x, 1024u * 8);
                    if (i > 0) {
                        EXPECT_GT(e.x, list[i - 1].x) << "lists are kept in the order the save writes";
                    }
                    EXPECT_TRUE(e.id >= kFirstObjectWithParam1 || e.param1 == 0) << int(e.id);
                    EXPECT_TRUE(e.id >= kFirstObjectWithParam2 || e.param2 == 0) << int(e.id);
                }
            }
        }
    }
    EXPECT_EQ(ids.size(), 63u);
    EXPECT_EQ(*ids.begin(), 1);
    EXPECT_EQ(*ids.rbegin(), 63);
    EXPECT_TRUE(t.levels[kBossSlot].objectLists[0].empty());
    std::size_t shared = 0;
    for (std::size_t i = 0; i < lists.size(); ++i) {
        for (std::size_t j = i + 1; j < lists.size(); ++j) shared += *lists[i] == *lists[j];
    }
    EXPECT_GE(shared, 2u);
    const auto emptyLists = std::count_if(t.levels.begin(), t.levels.begin() + kPlayableLevelCount,
                                          [](const Level& l) { return l.objectLists[2].empty(); });
    EXPECT_GT(emptyLists, 0);
}

TEST(SampleModel, PalettesSettingsAndBonusAreaAreInRange) {
    const GameTables& t = Tables();
    ASSERT_EQ(t.paletteSets.size(), kPaletteSetCount);
    for (const PaletteSet& set : t.paletteSets) {
        for (std::size_t i = 0; i < set.size(); ++i) {
            EXPECT_TRUE(i % 4 != 0 || set[i] == 0x0F);
            EXPECT_LT(set[i], 64);
        }
    }
    EXPECT_GE(t.paletteUpdaters.size(), 2u);
    for (const auto& [id, updater] : t.paletteUpdaters) {
        EXPECT_LT(id, kMaxPaletteUpdaters);
        for (const PaletteModifier& m : updater.modifiers) {
            EXPECT_EQ(m.count, m.entries.size());
            EXPECT_LT(m.key, 64);
            for (const PaletteAttribute& e : m.entries) EXPECT_LT(e[0], 4);
        }
    }
    const GameSettings& s = t.gameSettings;
    for (int speed : {s.speed, s.extraSpeed, s.sbSpeed, s.extraSbSpeed})
        EXPECT_TRUE(speed >= 1 && speed <= 117);
    EXPECT_LE(s.jump, 127);
    EXPECT_LE(s.extraJump, 127);
    EXPECT_TRUE(s.dropsCount >= 1 && s.dropsCount <= 10);
    EXPECT_TRUE(s.lives >= 1 && s.lives <= 9);
    // The conversion's hook routines hold these bytes; a converted image has them all 0.
    EXPECT_EQ(s.safeMode + s.beginArea + s.beginRound + s.beginFrom + s.weapon, 0u);
    const BonusArea& b = t.bonusArea;
    EXPECT_LT(b.area, 32);
    EXPECT_TRUE(b.length >= 1 && 16 * b.beginFrom + b.length <= 64);
    EXPECT_EQ(t.objectTypes.size(), kObjectTypeCount);
}

} // namespace
} // namespace tikaroo::sample
