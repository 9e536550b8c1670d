// Edit > Preferences: the emulator command, the NES colours and the backups.
#include "command_handlers.h"
#include "dialogs/preferences_dlg.h"
#include "editor_settings.h"
#include "main_window.h"
#include "render/pal_file.h"

#include <QFile>

namespace tikaroo {

void PreferencesCommand(CMainWindow& window) {
    CPreferencesDlg dialog(window.CurrentPreferences(), &window);
    if (dialog.exec() != QDialog::Accepted) return;
    window.ApplyPreferences(dialog.Edited(), dialog.Colours());
}

void CMainWindow::ApplyPreferences(const Preferences& chosen, const NesColourTable& colours) {
    preferences = chosen;
    editor_settings::StorePreferences(preferences);
    rom.backupOnWrite = preferences.keepBackup;
    if (colours == ActiveNesColours()) return;
    SetActiveNesColours(colours);
    // Only the pictures change: the file is not modified.
    if (rom.loaded != 0) RedrawCanvas(Redraw::Level);
}

// A colour file that went missing since the last run leaves the built-in colours.
void CMainWindow::LoadPreferences() {
    preferences = editor_settings::LoadPreferences();
    rom.backupOnWrite = preferences.keepBackup;
    NesColourTable colours = NesColorSet;
    if (!preferences.colourFile.isEmpty()) {
        try {
            colours = ReadPalFile(QFile::encodeName(preferences.colourFile).toStdString());
        } catch (const PalFileError&) {
            colours = NesColorSet; // the dialog names the file and refuses it until it is mended
        }
    }
    SetActiveNesColours(colours);
}

} // namespace tikaroo
