#include "game/game_rom.h"
#include "rom/rom_error.h"

#include "sample_game.h"
#include "support/error_text.h"
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

TEST(GameRomLoad, ALoadReplacesTheTablesAndAFailedOneLeavesThemEmpty) {
    test::TempDir dir;
    const Bytes sampleFile = sample::MakeSampleGame().file;
    Bytes badPointer = test::MakeOriginalFile();
    test::PokeOriginal16(badPointer, 0xBB50, 0xFFFF);
    // A sample whose graphic set descriptors lie below the cartridge space: converted, then refused.
    Bytes badTable = sampleFile;
    test::PokeOriginal16(badTable, 0xBBD7, 0x7000);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {dir.Write("sample.nes", sampleFile), ""},
        {dir.Path("missing.nes"), "CNROM file corrupt"},
        {dir.Write("bad-pointer.nes", badPointer), "Invalid pointer operation"},
        {dir.Write("bad-table.nes", badTable), "Invalid pointer operation"},
    };
    for (const auto& [path, error] : cases) {
        SCOPED_TRACE(path);
        CGameRom rom;
        FillTables(rom);
        EXPECT_EQ(test::ErrorText<RomError>([&rom, &file = path] { rom.LoadRom(file); }), error);
        const bool loaded = error.empty();
        EXPECT_EQ(rom.FileName(), loaded ? path : "");
        EXPECT_EQ(rom.cpuWindow.empty(), !loaded);
        EXPECT_EQ(rom.levels.size(), loaded ? kLevelSlotCount : 0U);
        EXPECT_EQ(rom.levelSets.contains(1) ? rom.levelSets.at(1).rooms.size() : 0U,
                  loaded ? kRoomsPerLevelSet : 0U);
        EXPECT_EQ(rom.graphicSets.size(), loaded ? kGraphicSetCount : 0U);
        EXPECT_EQ(rom.paletteSets.size(), loaded ? kPaletteSetCount : 0U);
        EXPECT_EQ(rom.objectTypes.size(), loaded ? kObjectTypeCount : 0U);
    }
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
    }
}

} // namespace
} // namespace tikaroo
