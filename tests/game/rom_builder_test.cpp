#include "game/fixed_locations.h"
#include "game/rom_builder.h"
#include "rom/rom_error.h"

#include "small_game.h"
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

class RomBuilderTest : public ::testing::Test {
protected:
    void SetUp() override { test::MakeSmallGame(image, tables); }
    std::uint8_t Byte(CpuPtr address) { return test::BytesAt(image, layout::kTablesBank, address, 1)[0]; }
    GraphicSet& Set0() { return tables.graphicSets.at(0); }

    // Makes the table area (from $CDFC) exactly `size` bytes long: 43 bytes of the one level set, 228 of
    // level table C, the palette sets, the updater pointers and the end byte of updater 0, 84 of
    // descriptors, 13 of graphic set 0's LineGeom and lines, and then graphic set rooms (3 each), 256
    // blocks (17 each) and modifiers of updater 0 (2 each plus 4 per entry) for the rest.
    void SizeTableArea(std::uint32_t size) {
        constexpr std::uint32_t kFixedPart = 43 + 228 + 84 + 13 + 256 * 17;
        std::uint32_t rest = size - kFixedPart;
        const std::uint32_t rooms = 2 + (rest % 2 == 0 ? 0 : 1);
        rest -= 3 * rooms;
        Set0().rooms.assign(rooms, SetRoom{});
        Set0().topLines = {TopLines{255, 0, 0, 0, 0, 0}};
        Set0().blocks.assign(256, Block{});
        Set0().attributes.assign(256, BlockAttributes{});
        PaletteUpdater& updater = tables.paletteUpdaters.at(0);
        updater.modifiers.clear();
        if (rest % 4 == 2) {
            updater.modifiers.push_back(PaletteModifier{0, 0, {}});
            rest -= 2;
        }
        for (std::uint8_t key = 1; rest > 0; ++key) {
            const std::uint32_t entries = std::min<std::uint32_t>(255, (rest - 2) / 4);
            updater.modifiers.push_back(PaletteModifier{key, 0, std::vector<PaletteAttribute>(entries)});
            rest -= 2 + 4 * entries;
        }
        tables.levels[0].paletteUpdater = 0;
    }

    CGameImage image;
    GameTables tables;
    test::TempDir directory;
};

TEST_F(RomBuilderTest, WritesTheSettingsAndTheBonusAreaInPlace) {
    GameSettings& settings = tables.gameSettings;
    settings = {120, 117, 5, 200, 16, 1, 7, 0, 9, 3, 2, 1, 2, 4, 6};
    tables.bonusArea = {13, 2, 16};
    tables.levels[7].eggValues = 0xB4;

    BuildImage(image, tables);

    const std::vector<std::pair<CpuPtr, std::uint8_t>> expected = {
        {0x85A1, 117},  {0x85B3, 117}, {0x85A8, 5},    {0x85B8, 117}, {0x850D, 0xF0},
        {0x850E, 0xFF}, {0x8C5E, 1},   {0xC21E, 0x18}, {0xACDB, 1},   {0x8C86, 3},
        {0x8C87, 2},    {0x8C88, 1},   {0x8C89, 2},    {0x87F7, 4},   {0x8089, 6},
        {0x8182, 3},    {0x8186, 1},   {0x818A, 2},    {0xBBA4, 48},  {test::minimal::kEggValues + 7, 0xB4}};
    for (const auto& [address, value] : expected) EXPECT_EQ(Byte(address), value) << std::hex << address;

    settings.holes = 1;
    BuildImage(image, tables);
    EXPECT_EQ(Byte(0xC21E), 0x38);
}

TEST_F(RomBuilderTest, FillsTheRestOfTheTableAreaUpToFFF0) {
    image.MapBank(layout::kTablesBank);
    image.WriteBlock(0xFFF0, Bytes(16, 0x5A));
    BuildImage(image, tables);
    // The small game's tables end at $CDFC + 368 + 3 + 17 (one graphic set room, one block), the last
    // byte being the attributes of block 0.
    const std::uint32_t end = 0xCDFC + 388;
    EXPECT_NE(Byte(static_cast<CpuPtr>(end - 1)), 0xFF);
    EXPECT_EQ(test::BytesAt(image, 0, static_cast<CpuPtr>(end), 0xFFF0 - end), Bytes(0xFFF0 - end, 0xFF));
    EXPECT_EQ(test::BytesAt(image, 0, 0xFFF0, 16), Bytes(16, 0x5A));
}

TEST_F(RomBuilderTest, ATableAreaEndingAtFFF0SavesAndOnePastFailsLeavingTheImageAsItWas) {
    image.fileName = directory.Path("before.nes");
    SizeTableArea(0xFFF0 - 0xCDFC);
    const std::string path = directory.Path("exact.nes");
    EXPECT_EQ(SaveFailure(image, tables, path), "");
    EXPECT_TRUE(std::filesystem::exists(path));

    test::MakeSmallGame(image, tables);
    image.fileName = directory.Path("before.nes");
    SizeTableArea(0xFFF1 - 0xCDFC);
    const CGameImage before = image;
    EXPECT_EQ(SaveFailure(image, tables, directory.Path("over.nes")), "Not enough ROM memory");
    ExpectSameImage(image, before);
    EXPECT_FALSE(std::filesystem::exists(directory.Path("over.nes")));
}

TEST_F(RomBuilderTest, AFailedSaveKeepsTheModelChangesOfTheEncoders) {
    LevelSet unused = tables.levelSets.at(0);
    tables.levelSets.emplace(0, unused);
    tables.levelSets.emplace(4, unused);
    for (Level& level : tables.levels) level.levelSet = 4;
    for (Level& bonus : tables.bonusLevels) bonus.levelSet = 4;
    tables.levels[1].objectLists[0] = {ObjectEntry{2, 80, 0, 0, 0}, ObjectEntry{1, 8, 0, 0, 0}};
    tables.paletteUpdaters[1] = PaletteUpdater{};
    tables.levels[2].paletteUpdater = 1;
    Set0().blocks.clear(); // the graphic sets encoder fails last
    const CGameImage before = image;

    EXPECT_EQ(SaveFailure(image, tables, directory.Path("failed.nes")), "Blocks overflow");

    ExpectSameImage(image, before);
    ASSERT_EQ(tables.levelSets.size(), 1U);
    EXPECT_TRUE(tables.levelSets.contains(0));
    EXPECT_EQ(tables.levels[0].levelSet, 0);
    EXPECT_EQ(tables.bonusLevels[8].levelSet, 0);
    EXPECT_EQ(tables.levels[1].objectLists[0][0].x, 8U);
    EXPECT_EQ(tables.paletteUpdaters.size(), 1U);
    EXPECT_EQ(tables.levels[2].paletteUpdater, 0);
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
