#include "support/model_compare.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <tuple>

namespace tikaroo::test {

namespace {

auto Stored(const Level& level) {
    return std::tie(level.levelSet, level.eggValues, level.paletteSet, level.paletteUpdater,
                    level.objectLists);
}
auto Stored(const LevelSet& set) {
    return std::tie(set.id, set.attributes, set.lastSetRoom, set.music, set.tops, set.rooms);
}
// The tables of an unused graphic set are never stored.
auto Stored(const GraphicSet& set) {
    static const GraphicSet unused;
    const GraphicSet& tables = set.used != 0 ? set : unused;
    return std::make_tuple(set.id, set.used, tables.lastRoom, tables.rooms, tables.lineGeom, tables.topLines,
                           tables.bottomLines, tables.blocks, tables.attributes);
}
// Records whose equality is their stored fields.
template <typename Record>
const Record& Stored(const Record& record) {
    return record;
}

template <typename Key, typename Record>
auto Stored(const std::pair<Key, Record>& entry) {
    return std::make_pair(entry.first, Stored(entry.second));
}

template <typename Container>
void ExpectSameEach(const Container& actual, const Container& expected, const char* kind) {
    ASSERT_EQ(actual.size(), expected.size()) << kind;
    auto a = actual.begin();
    for (auto e = expected.begin(); e != expected.end(); ++e, ++a)
        EXPECT_EQ(Stored(*a), Stored(*e)) << kind << " " << std::distance(expected.begin(), e);
}

} // namespace

void ExpectSameStoredModel(const GameTables& actual, const GameTables& expected) {
    ExpectSameEach(actual.levels, expected.levels, "level slot");
    ExpectSameEach(actual.bonusLevels, expected.bonusLevels, "bonus level");
    ExpectSameEach(actual.levelSets, expected.levelSets, "level set");
    ExpectSameEach(actual.graphicSets, expected.graphicSets, "graphic set");
    ExpectSameEach(actual.paletteUpdaters, expected.paletteUpdaters, "palette updater");
    ExpectSameEach(actual.objectTypes, expected.objectTypes, "object type");
    EXPECT_EQ(actual.paletteSets, expected.paletteSets);
    EXPECT_EQ(actual.otherPalettes, expected.otherPalettes);
    EXPECT_EQ(actual.gameSettings, expected.gameSettings);
    EXPECT_EQ(actual.bonusArea, expected.bonusArea);
    EXPECT_EQ(actual.objectImageConstants, expected.objectImageConstants);
    EXPECT_EQ(actual.geometry, expected.geometry);
}

} // namespace tikaroo::test
