#include "game/game_rom.h"
#include "rom/rom_error.h"

#include "sample_game.h"
#include "support/expanded_image.h"
#include "support/ines_builder.h"
#include "support/minimal_game.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

// A model with something in every kind of table, as left behind by an earlier load.
void FillTables(CGameRom& rom) {
    rom.levels.resize(3);
    rom.levelSets[1] = LevelSet{};
    rom.graphicSets[2] = GraphicSet{};
    rom.paletteSets.resize(2);
    rom.objectTypes.resize(5);
}

void ExpectEmpty(const CGameRom& rom) {
    EXPECT_EQ(rom.loaded, 0U);
    EXPECT_TRUE(rom.FileName().empty());
    EXPECT_TRUE(rom.cpuWindow.empty());
    EXPECT_TRUE(rom.allTiles.empty());
    EXPECT_TRUE(rom.prgBanks.empty());
    EXPECT_TRUE(rom.levels.empty());
    EXPECT_TRUE(rom.levelSets.empty());
    EXPECT_TRUE(rom.graphicSets.empty());
    EXPECT_TRUE(rom.paletteSets.empty());
    EXPECT_TRUE(rom.objectTypes.empty());
}

std::string LoadError(CGameRom& rom, const std::string& path) {
    try {
        rom.LoadRom(path);
    } catch (const RomError& error) {
        return error.what();
    }
    return "";
}

TEST(GameRomLoad, FailedLoadsLeaveTheModelEmpty) {
    test::TempDir dir;
    Bytes badPointer = test::MakeOriginalFile();
    test::PokeOriginal16(badPointer, 0xBB50, 0xFFFF);
    // A sample whose graphic set descriptors lie below the cartridge space: converted, then refused.
    Bytes badTable = sample::MakeSampleGame().file;
    test::PokeOriginal16(badTable, 0xBBD7, 0x7000);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {dir.Path("missing.nes"), "CNROM file corrupt"},
        {dir.Write("mmc1.nes", test::MakeInesFile({.mapper = 1, .prgBanks = 8, .chrBanks = 16})),
         "CNROM file corrupt"},
        {dir.Write("small-chr.nes", test::MakeOriginalFile(2, 2)),
         "CHR data of an original image must be 32 KB"},
        {dir.Write("no-chr.nes", test::MakeOriginalFile(2, 0)), "out of CHR bank while loading tiles"},
        {dir.Write("bad-pointer.nes", badPointer), "Invalid pointer operation"},
        {dir.Write("bad-table.nes", badTable), "Invalid pointer operation"},
    };
    for (const auto& [path, error] : cases) {
        CGameRom rom;
        FillTables(rom);
        EXPECT_EQ(LoadError(rom, path), error) << path;
        ExpectEmpty(rom);
    }
}

TEST(GameRomLoad, OriginalIsConvertedDecodedAndBankZeroMapped) {
    test::TempDir dir;
    const std::string path = dir.Write("original.nes", sample::MakeSampleGame().file);
    CGameRom rom;
    FillTables(rom);
    rom.LoadRom(path);
    EXPECT_EQ(rom.loaded, 1U);
    EXPECT_EQ(rom.FileName(), path);
    EXPECT_EQ(rom.windowPages, (std::array<std::uint8_t, 2>{0, 1}));
    EXPECT_EQ(rom.prgBanks.size(), 8U);
    EXPECT_EQ(rom.Read16(0xFFFC), 0xCCB3);
    // The tables of the earlier image are gone; the new ones are read.
    EXPECT_EQ(rom.levels.size(), kLevelSlotCount);
    EXPECT_EQ(rom.levelSets.at(1).rooms.size(), kRoomsPerLevelSet);
    EXPECT_EQ(rom.objectTypes.size(), kObjectTypeCount);
}

TEST(GameRomLoad, LoadWhileLoadedChangesNothing) {
    test::TempDir dir;
    CGameImage image;
    test::MakeExpandedImage(image);
    test::WriteMinimalGame(image);
    const std::string first = dir.Path("a.nes");
    ASSERT_EQ(image.WriteRomFile(first), 1);
    CGameRom rom;
    rom.LoadRom(first);
    FillTables(rom);
    rom.Write8(0x9000, 0x42);
    for (const std::string& other : {dir.Write("b.nes", test::MakeOriginalFile()), dir.Path("missing.nes")}) {
        EXPECT_NO_THROW(rom.LoadRom(other));
        EXPECT_EQ(rom.FileName(), first);
        EXPECT_EQ(rom.Read8(0x9000), 0x42);
        EXPECT_EQ(rom.levels.size(), 3U);
        EXPECT_EQ(rom.objectTypes.size(), 5U);
    }
}

} // namespace
} // namespace tikaroo
