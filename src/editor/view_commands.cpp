// Select level and Run game.
#include "command_handlers.h"
#include "dialogs/select_level_dlg.h"
#include "main_window.h"

#include <QDesktopServices>
#include <QUrl>

namespace tikaroo {

void SelectLevelCommand(CMainWindow& window) {
    const ViewState& view = window.Rom().view;
    CSelectLevelDlg dialog(view.currentLevel,
                           view.bonusMode ? view.currentBonusLevel : CSelectLevelDlg::kNoBonusLevel,
                           view.bonusMode, &window);
    if (dialog.exec() != QDialog::Accepted) return;
    window.ShowLevel({dialog.BonusMode(), dialog.BonusMode() ? dialog.BonusLevel() : dialog.LevelSlot()});
}

// Opens the file as it stands on disk, with the program the system associates with it.
void RunGameCommand(CMainWindow& window) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(window.RomFilePath()));
}

} // namespace tikaroo
