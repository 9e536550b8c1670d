#include "command_table.h"

#include "command_handlers.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace tikaroo {

namespace {

using enum Menu;
using I = CommandIcon;
using R = EnableRule;

// One row per command, in menu order. A command's handler lives in the file of its subject
// (file_commands.cpp, view_commands.cpp, ...) and is declared in command_handlers.h.
constexpr std::array kCommands = {
    CommandInfo{kCmdOpen, File, "Open...\tCtrl+O", "Ctrl+O", "Open a ROM...", I::Open, false, R::Always,
                OpenCommand},
    CommandInfo{kCmdSave, File, "Save\tCtrl+S", "Ctrl+S", "Save a ROM", I::Save, false, R::NeedsRom,
                SaveCommand},
    CommandInfo{kCmdSaveAs, File, "Save as...", "", "", I::None, false, R::NeedsRom, SaveAsCommand},
    CommandInfo{kCmdExportPatch, File, "Export patch...", "", "", I::None, false, R::NeedsRom,
                ExportPatchCommand},
    CommandInfo{kCmdQuit, File, "Quit\tAlt+F4", "", "", I::Quit, true, R::Always, QuitCommand},
    CommandInfo{kCmdGameSettings, Edit, "Game settings...\t\tCtrl+G", "Ctrl+G", "Game settings...",
                I::Settings, false, R::NeedsRom, GameSettingsCommand},
    CommandInfo{kCmdBonusArea, Edit, "Bonus level area...\t\tCtrl+B", "Ctrl+B",
                "Bonus level area settings...", I::BonusArea, false, R::MainLevelOnly, BonusAreaCommand},
    CommandInfo{kCmdLevelSettings, Edit, "Level settings...\t\tCtrl+T", "Ctrl+T", "Current level settings...",
                I::LevelSettings, false, R::MainLevelOnly, LevelSettingsCommand},
    CommandInfo{kCmdGraphicsSets, Edit, "Graphics sets...\t\tCtrl+J", "Ctrl+J", "Graphics sets manager...",
                I::GraphicsSets, true, R::MainLevelOnly, GraphicsSetsCommand},
    CommandInfo{kCmdCreateLevelSet, EditLevelSets, "Create new set...\tCtrl+W", "Ctrl+W",
                "Create new level set...", I::NewSet, false, R::MainLevelOnly, CreateLevelSetCommand},
    CommandInfo{kCmdModifyLevelSets, EditLevelSets, "Modify sets...\tCtrl+H", "Ctrl+H", "Modify level set...",
                I::ModifySet, false, R::MainLevelOnly, ModifyLevelSetsCommand},
    CommandInfo{kCmdPalettesEditor, EditPalettes, "Palettes editor...\t\tCtrl+P", "Ctrl+P",
                "Palettes sets editor...", I::Palette, false, R::MainLevelOnly, PalettesEditorCommand},
    CommandInfo{kCmdPaletteUpdaters, EditPalettes, "Palettes updaters...\tCtrl+Y", "Ctrl+Y",
                "Palettes updaters sets editor...", I::PaletteUpdater, false, R::MainLevelOnly,
                PaletteUpdatersCommand},
    CommandInfo{kCmdOtherPalettes, EditPalettes, "Other palettes editor...\tCtrl+U", "Ctrl+U",
                "Other palettes [objects, end title screen] editor...", I::Palette, false, R::MainLevelOnly,
                OtherPalettesCommand},
    CommandInfo{kCmdInsertObject, EditObjects, "Insert object...\t\tCtrl+M/Insert", "Ctrl+M",
                "Insert new object...", I::InsertObject, false, R::NeedsRom, InsertObjectCommand},
    CommandInfo{kCmdModifyObject, EditObjects, "Modify selected object...\tCtrl+E/Insert", "Ctrl+E",
                "Modify selected object properties...", I::ModifyObject, false, R::NeedsRom,
                ModifyObjectCommand},
    CommandInfo{kCmdDeleteObject, EditObjects, "Delete selected object\tCtrl+D/Delete", "Ctrl+D",
                "Delete selected object", I::DeleteObject, false, R::NeedsRom, DeleteObjectCommand},
    CommandInfo{kCmdObjectsManager, EditObjects, "Objects manager...\tF5", "F5", "Objects manager...",
                I::ObjectsManager, true, R::NeedsRom, ObjectsManagerCommand},
    CommandInfo{kCmdUndoRoom, Edit, "Undo last room modify\tCtrl+Z", "Ctrl+Z", "", I::Undo, true,
                R::UndoNotEmpty, UndoRoomCommand},
    CommandInfo{kCmdRedoRoom, Edit, "Redo last room modify\tCtrl+Shift+Z", "Ctrl+Shift+Z", "", I::None, false,
                R::RedoNotEmpty, RedoRoomCommand},
    CommandInfo{kCmdPreferences, Edit, "Preferences...", "", "", I::Preferences, true, R::Always,
                PreferencesCommand},
    CommandInfo{kCmdSelectLevel, View, "Select level...\tCtrl+L", "Ctrl+L", "Select a level...",
                I::SelectLevel, false, R::NeedsRom, SelectLevelCommand},
    CommandInfo{kCmdSelectRoom, View, "Select room...\tF4", "F4", "Select room from rooms map...",
                I::SelectRoom, false, R::MainLevelOnly, RoomsMapCommand},
    CommandInfo{kCmdZoomIn, View, "Zoom in\tCtrl++", "Ctrl++; Ctrl+=", "", I::ZoomIn, true, R::NeedsRom,
                ZoomInCommand},
    CommandInfo{kCmdZoomOut, View, "Zoom out\tCtrl+-", "Ctrl+-", "", I::ZoomOut, false, R::NeedsRom,
                ZoomOutCommand},
    CommandInfo{kCmdActualSize, View, "Actual size\tCtrl+0", "Ctrl+0", "", I::ActualSize, false, R::NeedsRom,
                ActualSizeCommand},
    CommandInfo{kCmdShowGrid, View, "Show grid", "", "", I::ShowGrid, false, R::NeedsRom, ShowGridCommand},
    CommandInfo{kCmdRunGame, View, "Run game...\tCtrl+R", "Ctrl+R", "Run a game with emulator...", I::RunGame,
                true, R::NeedsRom, RunGameCommand},
    CommandInfo{kCmdRunFromLevel, View, "Run from this level\tCtrl+Shift+R", "Ctrl+Shift+R", "",
                I::RunFromLevel, false, R::MainLevelOnly, RunFromLevelCommand},
    CommandInfo{kCmdAbout, Help, "&About...\tF1", "F1", "About an editor", I::About, false, R::Always,
                AboutCommand},
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

bool CommandEnabled(const CommandInfo& command, const CommandState& state) {
    if (command.handler == nullptr) return false;
    switch (command.rule) {
    case EnableRule::Always:
        return true;
    case EnableRule::NeedsRom:
        return state.romLoaded;
    case EnableRule::MainLevelOnly:
        return state.romLoaded && !state.bonusMode;
    case EnableRule::UndoNotEmpty:
        return state.romLoaded && !state.undoListEmpty;
    case EnableRule::RedoNotEmpty:
        return state.romLoaded && !state.redoListEmpty;
    }
    return false;
}

std::span<const int> ToolbarLayout() {
    return kToolbar;
}

} // namespace tikaroo
