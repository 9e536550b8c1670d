#pragma once

#include <span>
#include <string_view>

namespace tikaroo {

// Command ids of the menu, the accelerators and the toolbar.
enum CommandId : int {
    kCmdAbout = 40002,
    kCmdOpen = 40003,
    kCmdSave = 40004,
    kCmdSaveAs = 40005,
    kCmdQuit = 40006,
    kCmdSelectLevel = 40009,
    kCmdGameSettings = 40018,
    kCmdModifyObject = 40019,
    kCmdDeleteObject = 40023,
    kCmdInsertObject = 40025,
    kCmdRunGame = 40027,
    kCmdLevelSettings = 40029,
    kCmdCreateLevelSet = 40032,
    kCmdModifyLevelSets = 40033,
    kCmdPalettesEditor = 40038,
    kCmdPaletteUpdaters = 40039,
    kCmdGraphicsSets = 40043,
    kCmdBonusArea = 40047,
    kCmdOtherPalettes = 40050,
    kCmdUndoRoom = 40053,
    kCmdRedoRoom = 40054,
    kCmdObjectsManager = 40057,
    kCmdSelectRoom = 40060,
    kCmdExportPatch = 40100,
    kCmdPreferences = 40101,
    kCmdRunFromLevel = 40102,
    kCmdZoomIn = 40103,
    kCmdZoomOut = 40104,
    kCmdActualSize = 40105,
    kCmdShowGrid = 40106,
};

enum class Menu { File, Edit, EditLevelSets, EditPalettes, EditObjects, View, Help };

// Which pictures the toolbar and menu show; drawn by the editor itself.
enum class CommandIcon {
    None,
    Open,
    Save,
    Quit,
    Settings,
    BonusArea,
    LevelSettings,
    GraphicsSets,
    NewSet,
    ModifySet,
    Palette,
    PaletteUpdater,
    InsertObject,
    ModifyObject,
    DeleteObject,
    ObjectsManager,
    Undo,
    SelectLevel,
    SelectRoom,
    RunGame,
    RunFromLevel,
    About,
    Preferences,
    ZoomIn,
    ZoomOut,
    ActualSize,
    ShowGrid,
};

class CMainWindow;

// Runs a command; reached only while the command's enabling rule holds.
using CommandHandler = void (*)(CMainWindow& window);

// When a command can act. Every rule but Always needs a loaded ROM.
enum class EnableRule {
    Always,
    NeedsRom,
    MainLevelOnly, // not while a bonus level is shown
    UndoNotEmpty,  // only while there are room changes to take back
    RedoNotEmpty,  // only while there are undone room changes to make again
};

// What the enabling rules look at.
struct CommandState {
    bool romLoaded = false;
    bool bonusMode = false;
    bool undoListEmpty = true;
    bool redoListEmpty = true;
};

struct CommandInfo {
    CommandId id;
    Menu menu;
    std::string_view menuText;
    std::string_view shortcut; // the accelerator, empty for none; alternatives are parted by "; "
    std::string_view toolTip;  // empty when the command has no toolbar button
    CommandIcon icon;
    bool separatorBefore; // in its menu
    EnableRule rule;
    CommandHandler handler; // null while the command's work is not built: it then stays disabled
};

// Whether `command` can run in `state`: it has a handler and its rule holds.
bool CommandEnabled(const CommandInfo& command, const CommandState& state);

// In menu order.
std::span<const CommandInfo> Commands();
const CommandInfo& Command(CommandId id);

// Toolbar order; kToolbarSeparator marks a bar.
inline constexpr int kToolbarSeparator = 0;
std::span<const int> ToolbarLayout();

} // namespace tikaroo
