// Opens the project's sample game (original layout: read, converted, decoded) and compares every
// table with what the generator meant to write.
#include "game/game_rom.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>

namespace tikaroo {
namespace {

// The sample is made and opened once for all the comparisons.
class SampleOpen : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        game = std::make_unique<sample::SampleGame>(sample::MakeSampleGame());
        const test::TempDir dir;
        rom = std::make_unique<CGameRom>();
        rom->LoadRom(dir.Write("sample.nes", game->file));
    }
    static void TearDownTestSuite() {
        rom.reset();
        game.reset();
    }

    const GameTables& Meant() const { return game->tables; }
    const CGameRom& Read() const { return *rom; }

    inline static std::unique_ptr<sample::SampleGame> game;
    inline static std::unique_ptr<CGameRom> rom;
};

void ExpectSameLevel(const Level& read, const Level& meant, const std::string& name) {
    EXPECT_EQ(read.levelSet, meant.levelSet) << name;
    EXPECT_EQ(read.eggValues, meant.eggValues) << name;
    EXPECT_EQ(read.paletteSet, meant.paletteSet) << name;
    EXPECT_EQ(read.paletteUpdater, meant.paletteUpdater) << name;
    for (std::size_t list = 0; list < kObjectsListCount; ++list)
        EXPECT_EQ(read.objectLists[list], meant.objectLists[list]) << name << " list " << list + 1;
}

TEST_F(SampleOpen, OpensAsAnExpandedImageWithBankZeroMapped) {
    EXPECT_EQ(Read().loaded, 1U);
    EXPECT_EQ(Read().prgBanks.size(), 8U);
    EXPECT_EQ(Read().windowPages, (std::array<std::uint8_t, 2>{0, 1}));
}

TEST_F(SampleOpen, LevelsAndBonusLevels) {
    ASSERT_EQ(Read().levels.size(), Meant().levels.size());
    for (std::size_t slot = 0; slot < Meant().levels.size(); ++slot)
        ExpectSameLevel(Read().levels[slot], Meant().levels[slot], "slot " + std::to_string(slot));
    ASSERT_EQ(Read().bonusLevels.size(), Meant().bonusLevels.size());
    for (std::size_t bonus = 0; bonus < Meant().bonusLevels.size(); ++bonus)
        ExpectSameLevel(Read().bonusLevels[bonus], Meant().bonusLevels[bonus],
                        "bonus " + std::to_string(bonus));
}

TEST_F(SampleOpen, LevelSets) {
    ASSERT_EQ(Read().levelSets.size(), Meant().levelSets.size());
    for (const auto& [id, meant] : Meant().levelSets) {
        ASSERT_TRUE(Read().levelSets.contains(id)) << int(id);
        const LevelSet& read = Read().levelSets.at(id);
        EXPECT_EQ(read.attributes, meant.attributes) << int(id);
        EXPECT_EQ(read.lastSetRoom, meant.lastSetRoom) << int(id);
        EXPECT_EQ(read.music, meant.music) << int(id);
        EXPECT_EQ(read.tops, meant.tops) << int(id);
        EXPECT_EQ(read.rooms, meant.rooms) << int(id);
    }
}

TEST_F(SampleOpen, GraphicSets) {
    ASSERT_EQ(Read().graphicSets.size(), Meant().graphicSets.size());
    for (const auto& [id, meant] : Meant().graphicSets) {
        const GraphicSet& read = Read().graphicSets.at(id);
        EXPECT_EQ(read.used, meant.used) << int(id);
        EXPECT_EQ(read.lastRoom, meant.lastRoom) << int(id);
        EXPECT_EQ(read.rooms, meant.rooms) << int(id);
        EXPECT_EQ(read.lineGeom, meant.lineGeom) << int(id);
        EXPECT_EQ(read.topLines, meant.topLines) << int(id);
        EXPECT_EQ(read.bottomLines, meant.bottomLines) << int(id);
        EXPECT_EQ(read.blocks, meant.blocks) << int(id);
        EXPECT_EQ(read.attributes, meant.attributes) << int(id);
    }
}

TEST_F(SampleOpen, PalettesAndUpdaters) {
    EXPECT_EQ(Read().paletteSets, Meant().paletteSets);
    EXPECT_EQ(Read().otherPalettes, Meant().otherPalettes);
    ASSERT_EQ(Read().paletteUpdaters.size(), Meant().paletteUpdaters.size());
    for (const auto& [id, meant] : Meant().paletteUpdaters) {
        const std::vector<PaletteModifier>& read = Read().paletteUpdaters.at(id).modifiers;
        ASSERT_EQ(read.size(), meant.modifiers.size()) << int(id);
        for (std::size_t m = 0; m < read.size(); ++m) {
            EXPECT_EQ(read[m].key, meant.modifiers[m].key) << int(id);
            EXPECT_EQ(read[m].count, meant.modifiers[m].count) << int(id);
            EXPECT_EQ(read[m].entries, meant.modifiers[m].entries) << int(id);
        }
    }
}

TEST_F(SampleOpen, ObjectTypesSettingsAndFixedTables) {
    ASSERT_EQ(Read().objectTypes.size(), Meant().objectTypes.size());
    for (std::size_t id = 0; id < Meant().objectTypes.size(); ++id) {
        EXPECT_EQ(Read().objectTypes[id].descriptor, Meant().objectTypes[id].descriptor) << id;
        EXPECT_EQ(Read().objectTypes[id].kind, Meant().objectTypes[id].kind) << id;
        EXPECT_EQ(Read().objectTypes[id].value, Meant().objectTypes[id].value) << id;
    }
    EXPECT_EQ(Read().objectImageConstants, Meant().objectImageConstants);
    EXPECT_EQ(Read().gameSettings, Meant().gameSettings);
    EXPECT_EQ(Read().bonusArea, Meant().bonusArea);
    EXPECT_EQ(Read().geometry.bgStepTable, Meant().geometry.bgStepTable);
    EXPECT_EQ(Read().geometry.bgMaskTable, Meant().geometry.bgMaskTable);
    EXPECT_EQ(Read().geometry.floorShiftTable, Meant().geometry.floorShiftTable);
    EXPECT_EQ(Read().geometry.gapStartTable, Meant().geometry.gapStartTable);
    EXPECT_EQ(Read().geometry.gapEndTable, Meant().geometry.gapEndTable);
}

} // namespace
} // namespace tikaroo
