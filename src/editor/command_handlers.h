#pragma once

#include <QPoint>
#include <Qt>

namespace tikaroo {

class CMainWindow;

// The handlers of the command table, by the file of their subject. Each runs only while its command's
// enabling rule holds; an exception it lets out is shown in a message box.

// file_commands.cpp
void OpenCommand(CMainWindow& window);
void SaveCommand(CMainWindow& window);
void SaveAsCommand(CMainWindow& window);
void QuitCommand(CMainWindow& window);

// export_patch_command.cpp
void ExportPatchCommand(CMainWindow& window);

// view_commands.cpp
void SelectLevelCommand(CMainWindow& window);

// zoom_commands.cpp
void ZoomInCommand(CMainWindow& window);
void ZoomOutCommand(CMainWindow& window);
void ActualSizeCommand(CMainWindow& window);
void ShowGridCommand(CMainWindow& window);

// run_commands.cpp
void RunGameCommand(CMainWindow& window);
void RunFromLevelCommand(CMainWindow& window);

// preferences_command.cpp
void PreferencesCommand(CMainWindow& window);

// level_commands.cpp
void LevelSettingsCommand(CMainWindow& window);
void CreateLevelSetCommand(CMainWindow& window);
void ModifyLevelSetsCommand(CMainWindow& window);
void GameSettingsCommand(CMainWindow& window);
void BonusAreaCommand(CMainWindow& window);

// palette_commands.cpp
void PalettesEditorCommand(CMainWindow& window);
void PaletteUpdatersCommand(CMainWindow& window);
void OtherPalettesCommand(CMainWindow& window);

// graphics_commands.cpp
void GraphicsSetsCommand(CMainWindow& window);

// help_commands.cpp
void AboutCommand(CMainWindow& window);

// room_commands.cpp
void UndoRoomCommand(CMainWindow& window);
void RedoRoomCommand(CMainWindow& window);
void RoomsMapCommand(CMainWindow& window);

// object_commands.cpp
void InsertObjectCommand(CMainWindow& window);
void ModifyObjectCommand(CMainWindow& window);
void DeleteObjectCommand(CMainWindow& window);
void ObjectsManagerCommand(CMainWindow& window);

// What the canvas reports, while a ROM is loaded: a room key (room_commands.cpp), a click or drag
// (object_commands.cpp), and an object key, which gives false for any other key.
void RoomKey(CMainWindow& window, int key, int delta, Qt::KeyboardModifiers modifiers);
void CanvasPoint(CMainWindow& window, QPoint point, bool drag);
bool ObjectKey(CMainWindow& window, int key, Qt::KeyboardModifiers modifiers);

} // namespace tikaroo
