// The project's sample game through the whole save: open, save, reopen, save again.
#include "game/game_rom.h"
#include "game/graphics_lost_on_reopen.h"
#include "rom/rom_error.h"
#include "sample_game.h"
#include "support/model_compare.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

TEST(SampleSave, SavedSampleReopensToTheSameModelAndSavesToTheSameBytes) {
    const test::TempDir dir;
    const sample::SampleGame game = sample::MakeSampleGame();
    CGameRom first;
    first.LoadRom(dir.Write("sample.nes", game.file));
    ASSERT_EQ(first.loaded, 1U);
    first.SaveRom(dir.Path("saved.nes"));
    EXPECT_EQ(first.FileName(), dir.Path("saved.nes"));

    CGameRom second;
    second.LoadRom(dir.Path("saved.nes"));
    ASSERT_EQ(second.loaded, 1U);
    test::ExpectSameStoredModel(second, first);
    // Every level set and updater of the sample is used, so nothing is renumbered away.
    test::ExpectSameStoredModel(second, game.tables);

    second.SaveRom(dir.Path("again.nes"));
    EXPECT_EQ(test::TempDir::Read(dir.Path("again.nes")), test::TempDir::Read(dir.Path("saved.nes")));
}

TEST(SampleSave, EditsSurviveTheRoundTrip) {
    const test::TempDir dir;
    CGameRom rom;
    rom.LoadRom(dir.Write("sample.nes", sample::MakeSampleGame().file));
    rom.gameSettings.lives = 7;
    rom.levelSets.at(rom.levels[0].levelSet).rooms[5].floorGeom = 3;
    rom.levels[2].objectLists[0].push_back(ObjectEntry{.id = 60, .x = 1000, .param1 = 0x12});
    rom.paletteSets[3][5] = 0x2A;
    rom.SaveRom(dir.Path("edited.nes"));

    CGameRom reopened;
    reopened.LoadRom(dir.Path("edited.nes"));
    test::ExpectSameStoredModel(reopened, rom);
    EXPECT_EQ(reopened.gameSettings.lives, 7);
}

TEST(SampleSave, WriteErrorKeepsTheFileOnDiskAndTheNameUnchanged) {
    const test::TempDir dir;
    const Bytes file = sample::MakeSampleGame().file;
    const std::string path = dir.Write("sample.nes", file);
    CGameRom rom;
    rom.LoadRom(path);
    try {
        rom.SaveRom(dir.Path("no/such/folder/out.nes"));
        FAIL() << "the save did not fail";
    } catch (const RomError& error) {
        EXPECT_STREQ(error.what(), "Write error");
    }
    EXPECT_EQ(rom.FileName(), path);
    EXPECT_EQ(test::TempDir::Read(path), file);
}

TEST(SampleSave, RoomsAndSetsThatNoLevelUsesAreNamedAfterTheSave) {
    const test::TempDir dir;
    CGameRom rom;
    rom.LoadRom(dir.Write("sample.nes", sample::MakeSampleGame().file));
    EXPECT_TRUE(GraphicsLostOnReopen(rom).empty());

    EditGraphicSets sets = *rom.ExpandGraphicSets();
    const std::size_t roomCount = sets[1].rooms.size();
    sets[1].rooms.push_back(RoomGrid{1});
    sets[1].rooms.push_back(RoomGrid{2});
    sets[4].rooms = {RoomGrid{}};
    sets[4].blocks = {EditBlock{}};
    ASSERT_TRUE(rom.ApplyGraphicSets(sets));
    rom.SaveRom(dir.Path("saved.nes"));
    EXPECT_EQ(
        GraphicsLostOnReopen(rom),
        (std::vector<std::string>{"Graphic set #2: rooms #15-#16 are saved, but no level uses them; they "
                                  "will be gone when the ROM is opened again.",
                                  "Graphic set #5: no level set uses it; its tiles are saved, its rooms "
                                  "and blocks are not."}));

    CGameRom reopened;
    reopened.LoadRom(dir.Path("saved.nes"));
    EXPECT_EQ(reopened.graphicSets.at(1).rooms.size(), roomCount);
    EXPECT_TRUE(reopened.graphicSets.at(4).rooms.empty());
}

} // namespace
} // namespace tikaroo
