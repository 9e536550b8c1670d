#pragma once

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
void RunGameCommand(CMainWindow& window);

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

} // namespace tikaroo
