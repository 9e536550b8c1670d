#include "support/model_compare.h"

#include <gtest/gtest.h>

#include <string>

namespace tikaroo::test {

namespace {

void ExpectSameLevel(const Level& actual, const Level& expected, const std::string& name) {
    SCOPED_TRACE(name);
    EXPECT_EQ(actual.levelSet, expected.levelSet);
    EXPECT_EQ(actual.eggValues, expected.eggValues);
    EXPECT_EQ(actual.paletteSet, expected.paletteSet);
    EXPECT_EQ(actual.paletteUpdater, expected.paletteUpdater);
    for (std::size_t list = 0; list < kObjectsListCount; ++list)
        EXPECT_EQ(actual.objectLists[list], expected.objectLists[list]) << "list " << list + 1;
}

void ExpectSameLevels(const std::vector<Level>& actual, const std::vector<Level>& expected,
                      const char* kind) {
    ASSERT_EQ(actual.size(), expected.size()) << kind;
    for (std::size_t i = 0; i < actual.size(); ++i)
        ExpectSameLevel(actual[i], expected[i], std::string(kind) + " " + std::to_string(i));
}

void ExpectSameLevelSet(const LevelSet& actual, const LevelSet& expected) {
    SCOPED_TRACE("level set " + std::to_string(expected.id));
    EXPECT_EQ(actual.id, expected.id);
    EXPECT_EQ(actual.attributes, expected.attributes);
    EXPECT_EQ(actual.lastSetRoom, expected.lastSetRoom);
    EXPECT_EQ(actual.music, expected.music);
    EXPECT_EQ(actual.tops, expected.tops);
    EXPECT_EQ(actual.rooms, expected.rooms);
}

void ExpectSameGraphicSet(const GraphicSet& actual, const GraphicSet& expected) {
    SCOPED_TRACE("graphic set " + std::to_string(expected.id));
    EXPECT_EQ(actual.id, expected.id);
    EXPECT_EQ(actual.used, expected.used);
    if (actual.used == 0 || expected.used == 0) return;
    EXPECT_EQ(actual.lastRoom, expected.lastRoom);
    EXPECT_EQ(actual.rooms, expected.rooms);
    EXPECT_EQ(actual.lineGeom, expected.lineGeom);
    EXPECT_EQ(actual.topLines, expected.topLines);
    EXPECT_EQ(actual.bottomLines, expected.bottomLines);
    EXPECT_EQ(actual.blocks, expected.blocks);
    EXPECT_EQ(actual.attributes, expected.attributes);
}

void ExpectSameUpdater(const PaletteUpdater& actual, const PaletteUpdater& expected, std::uint8_t id) {
    SCOPED_TRACE("palette updater " + std::to_string(id));
    ASSERT_EQ(actual.modifiers.size(), expected.modifiers.size());
    for (std::size_t i = 0; i < actual.modifiers.size(); ++i) {
        EXPECT_EQ(actual.modifiers[i].key, expected.modifiers[i].key);
        EXPECT_EQ(actual.modifiers[i].count, expected.modifiers[i].count);
        EXPECT_EQ(actual.modifiers[i].entries, expected.modifiers[i].entries);
    }
}

template <typename Record, typename Compare>
void ExpectSameMap(const std::map<std::uint8_t, Record>& actual,
                   const std::map<std::uint8_t, Record>& expected, const char* kind, Compare compare) {
    std::vector<std::uint8_t> actualIds;
    std::vector<std::uint8_t> expectedIds;
    for (const auto& entry : actual) actualIds.push_back(entry.first);
    for (const auto& entry : expected) expectedIds.push_back(entry.first);
    ASSERT_EQ(actualIds, expectedIds) << kind << " ids";
    for (const auto& [id, record] : expected) compare(actual.at(id), record, id);
}

} // namespace

void ExpectSameStoredModel(const GameTables& actual, const GameTables& expected) {
    ExpectSameLevels(actual.levels, expected.levels, "level slot");
    ExpectSameLevels(actual.bonusLevels, expected.bonusLevels, "bonus level");
    ExpectSameMap(actual.levelSets, expected.levelSets, "level set",
                  [](const LevelSet& a, const LevelSet& e, std::uint8_t) { ExpectSameLevelSet(a, e); });
    ExpectSameMap(actual.graphicSets, expected.graphicSets, "graphic set",
                  [](const GraphicSet& a, const GraphicSet& e, std::uint8_t) { ExpectSameGraphicSet(a, e); });
    ExpectSameMap(actual.paletteUpdaters, expected.paletteUpdaters, "palette updater", ExpectSameUpdater);
    EXPECT_EQ(actual.paletteSets, expected.paletteSets);
    EXPECT_EQ(actual.otherPalettes, expected.otherPalettes);
    EXPECT_EQ(actual.gameSettings, expected.gameSettings);
    EXPECT_EQ(actual.bonusArea, expected.bonusArea);
    ASSERT_EQ(actual.objectTypes.size(), expected.objectTypes.size());
    for (std::size_t i = 0; i < actual.objectTypes.size(); ++i) {
        SCOPED_TRACE("object type " + std::to_string(i));
        EXPECT_EQ(actual.objectTypes[i].descriptor, expected.objectTypes[i].descriptor);
        EXPECT_EQ(actual.objectTypes[i].kind, expected.objectTypes[i].kind);
        EXPECT_EQ(actual.objectTypes[i].value, expected.objectTypes[i].value);
    }
    EXPECT_EQ(actual.objectImageConstants, expected.objectImageConstants);
    EXPECT_EQ(actual.geometry.bgStepTable, expected.geometry.bgStepTable);
    EXPECT_EQ(actual.geometry.bgMaskTable, expected.geometry.bgMaskTable);
    EXPECT_EQ(actual.geometry.floorShiftTable, expected.geometry.floorShiftTable);
    EXPECT_EQ(actual.geometry.gapStartTable, expected.geometry.gapStartTable);
    EXPECT_EQ(actual.geometry.gapEndTable, expected.geometry.gapEndTable);
}

} // namespace tikaroo::test
