#include "game/fixed_locations.h"
#include "game/rom_builder.h"
#include "rom/rom_error.h"

#include "small_game.h"
#include "support/model_compare.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tikaroo {
namespace {

// Everything of the image that a failed save must put back.
void ExpectSameImage(const CGameImage& actual, const CGameImage& expected) {
    EXPECT_TRUE(actual.prgBanks == expected.prgBanks);
    EXPECT_TRUE(actual.cpuWindow == expected.cpuWindow);
    EXPECT_TRUE(actual.chrData == expected.chrData);
    EXPECT_TRUE(actual.allTiles == expected.allTiles);
    EXPECT_EQ(actual.windowPages, expected.windowPages);
    EXPECT_EQ(actual.fileName, expected.fileName);
}

std::string SaveFailure(CGameImage& image, GameTables& tables, const std::string& path) {
    return test::FailureText([&] { SaveGameImage(image, tables, path); });
}

class RomBuilderTest : public test::SmallGameTest {
protected:
    std::uint8_t Byte(CpuPtr address) { return test::BytesAt(image, layout::kTablesBank, address, 1)[0]; }

    // Grows the small game's table area of 388 bytes from $CDFC by `bytes`, at least 2: graphic set rooms
    // of 3 bytes and modifiers of updater 0 of 2 bytes and 4 per entry.
    void GrowTableArea(std::uint32_t bytes) {
        if (bytes % 2 == 1) {
            Set0().rooms.push_back(SetRoom{});
            bytes -= 3;
        }
        std::vector<PaletteModifier>& modifiers = tables.paletteUpdaters.at(0).modifiers;
        for (std::uint8_t key = 0; bytes > 0; ++key) {
            const std::uint32_t entries = std::min<std::uint32_t>(255, (bytes - 2) / 4);
            modifiers.push_back(PaletteModifier{key, 0, std::vector<PaletteAttribute>(entries)});
            bytes -= 2 + 4 * entries;
        }
        tables.levels[0].paletteUpdater = 0;
    }

    test::TempDir directory;
};

// A load cannot tell these apart: speeds beyond the game's limit, and the opcode that turns holes off.
TEST_F(RomBuilderTest, SpeedsAreLimitedAndHolesAreAnOpcode) {
    tables.gameSettings.speed = 120;
    tables.gameSettings.extraSbSpeed = 200;
    BuildImage(image, tables);
    EXPECT_EQ(Byte(0x85A1), 117);
    EXPECT_EQ(Byte(0x85B8), 117);
    EXPECT_EQ(Byte(0xC21E), 0x18);
    tables.gameSettings.holes = 1;
    BuildImage(image, tables);
    EXPECT_EQ(Byte(0xC21E), 0x38);
}

// The game always reads updater 0: with no level naming an updater it stays, empty.
TEST_F(RomBuilderTest, WithNoUpdaterNamedAnEmptyUpdaterZeroStays) {
    tables.paletteUpdaters[0].modifiers = {PaletteModifier{1, 1, {{1, 2, 3, 4}}}};
    tables.paletteUpdaters[1] = PaletteUpdater{};
    BuildImage(image, tables);
    ASSERT_EQ(tables.paletteUpdaters.size(), 1U);
    EXPECT_TRUE(tables.paletteUpdaters.at(0).modifiers.empty());
}

TEST_F(RomBuilderTest, FillsTheRestOfTheTableAreaUpToFFF0) {
    image.MapBank(layout::kTablesBank);
    image.WriteBlock(0xFFF0, Bytes(16, 0x5A));
    BuildImage(image, tables);
    // The last byte of the small game's tables is the attributes of its block 0.
    const std::uint32_t end = 0xCDFC + 388;
    EXPECT_NE(Byte(static_cast<CpuPtr>(end - 1)), 0xFF);
    EXPECT_EQ(test::BytesAt(image, 0, static_cast<CpuPtr>(end), 0xFFF0 - end), Bytes(0xFFF0 - end, 0xFF));
    EXPECT_EQ(test::BytesAt(image, 0, 0xFFF0, 16), Bytes(16, 0x5A));
}

TEST_F(RomBuilderTest, ATableAreaEndingAtFFF0SavesAndOnePastFailsLeavingTheImageAsItWas) {
    for (const std::uint32_t past : {0U, 1U}) {
        SCOPED_TRACE(past);
        SetUp();
        image.fileName = directory.Path("before.nes");
        GrowTableArea(0xFFF0 - 0xCDFC - 388 + past);
        const CGameImage before = image;
        const std::string path = directory.Path(past == 0 ? "exact.nes" : "over.nes");
        EXPECT_EQ(SaveFailure(image, tables, path), past == 0 ? "" : "Not enough ROM memory");
        EXPECT_EQ(std::filesystem::exists(path), past == 0);
        if (past == 1) ExpectSameImage(image, before);
    }
}

// The encoders' renumbering and sorting stay in the model when a later encoder fails.
TEST_F(RomBuilderTest, AFailedSaveKeepsTheModelChangesOfTheEncoders) {
    tables.levelSets.emplace(4, tables.levelSets.at(0));
    for (Level& level : tables.levels) level.levelSet = 4;
    tables.levels[1].objectLists[0] = {ObjectEntry{2, 80, 0, 0, 0}, ObjectEntry{1, 8, 0, 0, 0}};
    tables.paletteUpdaters[1] = PaletteUpdater{};
    tables.levels[2].paletteUpdater = 1;
    GameTables saved = tables;
    CGameImage copy = image;
    BuildImage(copy, saved);
    Set0().blocks.clear(); // the graphic sets encoder fails last

    EXPECT_EQ(SaveFailure(image, tables, directory.Path("failed.nes")), "Blocks overflow");
    Set0().blocks = saved.graphicSets.at(0).blocks;
    test::ExpectSameStoredModel(tables, saved);
}

TEST_F(RomBuilderTest, AFailedWriteReportsWriteErrorAndKeepsTheBuiltImageTheNameAndTheOldFile) {
    const std::string path = directory.Write("game.nes", Bytes(100, 7));
    image.fileName = path;
    tables.gameSettings.lives = 9;
    EXPECT_EQ(SaveFailure(image, tables, directory.Path("missing/dir/game.nes")), "Write error");
    EXPECT_EQ(Byte(0x8089), 9);
    EXPECT_EQ(image.fileName, path);
    EXPECT_EQ(test::TempDir::Read(path), Bytes(100, 7));
}

} // namespace
} // namespace tikaroo
