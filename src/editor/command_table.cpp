#include "command_table.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace tikaroo {

namespace {

using enum Menu;
using I = CommandIcon;

constexpr std::array kCommands = {
    CommandInfo{kCmdOpen, File, "Open...\tCtrl+O", "Ctrl+O", "Open a ROM...", I::Open, false, false, false},
    CommandInfo{kCmdSave, File, "Save\tCtrl+S", "Ctrl+S", "Save a ROM", I::Save, false, true, false},
    CommandInfo{kCmdSaveAs, File, "Save as...", "", "", I::None, false, true, false},
    CommandInfo{kCmdQuit, File, "Quit\tAlt+F4", "", "", I::Quit, true, false, false},
    CommandInfo{kCmdGameSettings, Edit, "Game settings...\t\tCtrl+G", "Ctrl+G", "Game settings...",
                I::Settings, false, true, false},
    CommandInfo{kCmdBonusArea, Edit, "Bonus level area...\t\tCtrl+B", "Ctrl+B",
                "Bonus level area settings...", I::BonusArea, false, true, true},
    CommandInfo{kCmdLevelSettings, Edit, "Level settings...\t\tCtrl+T", "Ctrl+T", "Current level settings...",
                I::LevelSettings, false, true, true},
    CommandInfo{kCmdGraphicsSets, Edit, "Graphics sets...\t\tCtrl+J", "Ctrl+J", "Graphics sets manager...",
                I::GraphicsSets, true, true, true},
    CommandInfo{kCmdCreateLevelSet, EditLevelSets, "Create new set...\tCtrl+W", "Ctrl+W",
                "Create new level set...", I::NewSet, false, true, true},
    CommandInfo{kCmdModifyLevelSets, EditLevelSets, "Modify sets...\tCtrl+H", "Ctrl+H", "Modify level set...",
                I::ModifySet, false, true, true},
    CommandInfo{kCmdPalettesEditor, EditPalettes, "Palettes editor...\t\tCtrl+P", "Ctrl+P",
                "Palettes sets editor...", I::Palette, false, true, true},
    CommandInfo{kCmdPaletteUpdaters, EditPalettes, "Palettes updaters...\tCtrl+Y", "Ctrl+Y",
                "Palettes updaters sets editor...", I::PaletteUpdater, false, true, true},
    CommandInfo{kCmdOtherPalettes, EditPalettes, "Other palettes editor...\tCtrl+U", "Ctrl+U",
                "Other palettes [objects, end title screen] editor...", I::Palette, false, true, true},
    CommandInfo{kCmdInsertObject, EditObjects, "Insert object...\t\tCtrl+M/Insert", "Ctrl+M",
                "Insert new object...", I::InsertObject, false, true, false},
    CommandInfo{kCmdModifyObject, EditObjects, "Modify selected object...\tCtrl+E/Insert", "Ctrl+E",
                "Modify selected object properties...", I::ModifyObject, false, true, false},
    CommandInfo{kCmdDeleteObject, EditObjects, "Delete selected object\tCtrl+D/Delete", "Ctrl+D",
                "Delete selected object", I::DeleteObject, false, true, false},
    CommandInfo{kCmdObjectsManager, EditObjects, "Objects manager...\tF5", "F5", "Objects manager...",
                I::ObjectsManager, true, true, false},
    CommandInfo{kCmdUndoRoom, Edit, "Undo last room modify\tCtrl+Z", "Ctrl+Z", "", I::Undo, true, true,
                false},
    CommandInfo{kCmdSelectLevel, View, "Select level...\tCtrl+L", "Ctrl+L", "Select a level...",
                I::SelectLevel, false, true, false},
    CommandInfo{kCmdSelectRoom, View, "Select room...\tF4", "F4", "Select room from rooms map...",
                I::SelectRoom, false, true, true},
    CommandInfo{kCmdRunGame, View, "Run game...\tCtrl+R", "Ctrl+R", "Run a game with emulator...", I::RunGame,
                true, true, false},
    CommandInfo{kCmdAbout, Help, "&About...\tF1", "F1", "About an editor", I::About, false, false, false},
};

constexpr int S = kToolbarSeparator;
constexpr std::array kToolbar = {
    int{kCmdOpen},
    int{kCmdSave},
    S,
    int{kCmdInsertObject},
    int{kCmdModifyObject},
    int{kCmdDeleteObject},
    int{kCmdObjectsManager},
    S,
    int{kCmdGraphicsSets},
    int{kCmdPalettesEditor},
    int{kCmdPaletteUpdaters},
    int{kCmdOtherPalettes},
    S,
    int{kCmdCreateLevelSet},
    int{kCmdModifyLevelSets},
    S,
    int{kCmdSelectLevel},
    int{kCmdSelectRoom},
    int{kCmdLevelSettings},
    int{kCmdGameSettings},
    int{kCmdBonusArea},
    int{kCmdRunGame},
    S,
    int{kCmdAbout},
};

} // namespace

std::span<const CommandInfo> Commands() {
    return kCommands;
}

const CommandInfo& Command(CommandId id) {
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                    [id](const CommandInfo& command) { return command.id == id; });
    if (found == kCommands.end()) throw std::out_of_range("unknown command id");
    return *found;
}

std::span<const int> ToolbarLayout() {
    return kToolbar;
}

} // namespace tikaroo
