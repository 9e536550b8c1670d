// The sample is the suite's test data: a load of it checks that the readers give these tables, a
// dump of it that they keep the model's limits. Here: that it exercises every kind of value.
#include "sample_game.h"

#include "rom/nes_rom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tikaroo::sample {
namespace {

TEST(SampleModel, ExercisesEveryRoomFieldObjectIdAndSharing) {
    const GameTables t = MakeSampleGame().tables;
    const std::uint8_t boss = t.levels[kBossSlot].levelSet;
    std::set<std::uint8_t> played;
    for (std::size_t slot = 0; slot < kPlayableLevelCount; ++slot) played.insert(t.levels[slot].levelSet);
    EXPECT_EQ(played.size(), 11u);
    EXPECT_FALSE(played.contains(boss)) << "slot 32 plays a set of its own";
    EXPECT_EQ(t.levelSets.at(boss).rooms.size(), kBossSlotRooms);

    std::array<std::set<int>, 5> fieldValues; // background, scroll, floor shift, floor geometry, slide
    for (const auto& [id, set] : t.levelSets) {
        for (const LevelRoom& room : set.rooms) {
            fieldValues[0].insert(room.background);
            fieldValues[1].insert(room.scroll);
            fieldValues[2].insert(room.floorShift);
            fieldValues[3].insert(room.floorGeom);
            fieldValues[4].insert(room.slideFloor);
        }
    }
    const std::array<std::size_t, 5> least = {8, 4, 8, 6, 4};
    for (std::size_t field = 0; field < least.size(); ++field)
        EXPECT_GE(fieldValues[field].size(), least[field]) << "room field " << field;

    std::set<int> ids;
    std::vector<ObjectsList> lists;
    std::size_t shared = 0;
    for (const auto* levels : {&t.levels, &t.bonusLevels}) {
        for (const Level& level : *levels) {
            for (const ObjectsList& list : level.objectLists) {
                if (list.empty()) continue;
                shared += std::count(lists.begin(), lists.end(), list);
                lists.push_back(list);
                for (const ObjectEntry& entry : list) ids.insert(entry.id);
            }
        }
    }
    EXPECT_EQ(ids.size(), 63u);
    EXPECT_GE(shared, 2u);
    EXPECT_TRUE(std::any_of(t.levels.begin(), t.levels.begin() + kPlayableLevelCount,
                            [](const Level& level) { return level.objectLists[2].empty(); }));
    EXPECT_GE(t.paletteUpdaters.size(), 2u);
}

TEST(SampleFile, HasFourColourBackgroundTilesInEveryBank) {
    CNesRom rom;
    rom.fileBytes = MakeSampleGame().file;
    ASSERT_EQ(rom.ParseImage(), 1);
    ASSERT_EQ(rom.chrData.size(), 4 * kChrBankSize);
    for (std::size_t bank = 0; bank < 4; ++bank) {
        std::set<std::uint8_t> colours;
        std::size_t drawnTiles = 0;
        for (std::size_t t = 256; t < 512; ++t) {
            const Tile tile = DecodeTile(&rom.chrData[bank * kChrBankSize + t * kPackedTileSize]);
            colours.insert(tile.begin(), tile.end());
            drawnTiles += std::any_of(tile.begin(), tile.end(), [](std::uint8_t p) { return p != 0; });
        }
        EXPECT_EQ(colours.size(), 4u) << "bank " << bank;
        EXPECT_GT(drawnTiles, 30u) << "bank " << bank;
    }
}

} // namespace
} // namespace tikaroo::sample
