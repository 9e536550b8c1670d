// Select level.
#include "command_handlers.h"
#include "dialogs/select_level_dlg.h"
#include "main_window.h"

namespace tikaroo {

void SelectLevelCommand(CMainWindow& window) {
    const ViewState& view = window.Rom().view;
    CSelectLevelDlg dialog(view.currentLevel,
                           view.bonusMode ? view.currentBonusLevel : CSelectLevelDlg::kNoBonusLevel,
                           view.bonusMode, &window);
    if (dialog.exec() != QDialog::Accepted) return;
    window.ShowLevel({dialog.BonusMode(), dialog.BonusMode() ? dialog.BonusLevel() : dialog.LevelSlot()});
}

} // namespace tikaroo
