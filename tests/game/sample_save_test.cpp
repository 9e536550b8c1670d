// The project's sample game opened as the generator meant it, and through the whole save: save, reopen,
// save again.
#include "game/game_rom.h"
#include "game/graphics_lost_on_reopen.h"
#include "game/level_selection.h"
#include "opened_sample.h"
#include "support/model_compare.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace tikaroo {
namespace {

TEST(SampleSave, SampleOpensAsMeantAndReopensAfterASaveToTheSameModelAndBytes) {
    const test::TempDir dir;
    const sample::SampleGame game = sample::MakeSampleGame();
    CGameRom first;
    first.LoadRom(dir.Write("sample.nes", game.file));
    ASSERT_EQ(first.loaded, 1U);
    EXPECT_EQ(first.windowPages, (std::array<std::uint8_t, 2>{0, 1}));
    test::ExpectSameStoredModel(first, game.tables);
    first.SaveRom(dir.Path("saved.nes"));
    EXPECT_EQ(first.FileName(), dir.Path("saved.nes"));

    CGameRom second;
    second.LoadRom(dir.Path("saved.nes"));
    // Every level set and updater of the sample is used, so nothing is renumbered away.
    test::ExpectSameStoredModel(second, game.tables);
    second.SaveRom(dir.Path("again.nes"));
    EXPECT_EQ(test::TempDir::Read(dir.Path("again.nes")), test::TempDir::Read(dir.Path("saved.nes")));
}

TEST(SampleSave, RoomsAndSetsThatNoLevelUsesAreNamedAfterTheSave) {
    const test::TempDir dir;
    CGameRom rom = test::OpenedSample();
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

// The copy for a run from the shown level: a save of the model but for the start, which is that level's
// first checkpoint; the model, its file name and the file stay as they were.
TEST(SampleSave, CopyBeginningHereDiffersFromASaveOnlyInTheStart) {
    const test::TempDir dir;
    CGameRom rom;
    const Bytes file = sample::MakeSampleGame().file;
    const std::string path = dir.Write("sample.nes", file);
    rom.LoadRom(path);
    rom.gameSettings.lives = 5; // an unsaved edit goes into the copy
    SelectLevel(rom, {false, 13});
    const GameSettings settings = rom.gameSettings;
    ASSERT_TRUE(rom.SaveCopyBeginningHere(dir.Path("copy.nes")));
    EXPECT_EQ(rom.FileName(), path);
    EXPECT_EQ(rom.gameSettings, settings);
    EXPECT_EQ(test::TempDir::Read(path), file);

    rom.SaveRom(dir.Path("saved.nes"));
    CGameRom copy;
    copy.LoadRom(dir.Path("copy.nes"));
    GameSettings started = settings;
    std::tie(started.beginArea, started.beginRound, started.beginFrom) = std::tuple(3, 1, 0);
    EXPECT_EQ(copy.gameSettings, started);
    copy.gameSettings = settings;
    copy.SaveRom(dir.Path("copy-as-saved.nes"));
    EXPECT_EQ(test::TempDir::Read(dir.Path("copy-as-saved.nes")), test::TempDir::Read(dir.Path("saved.nes")));

    SelectLevel(rom, {true, 0});
    EXPECT_FALSE(rom.SaveCopyBeginningHere(dir.Path("bonus.nes")));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("bonus.nes")));
}

} // namespace
} // namespace tikaroo
