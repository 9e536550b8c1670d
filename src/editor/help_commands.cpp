// About.
#include "command_handlers.h"
#include "dialogs/about_dlg.h"
#include "main_window.h"

namespace tikaroo {

void AboutCommand(CMainWindow& window) {
    CAboutDlg dialog(&window);
    dialog.exec();
}

} // namespace tikaroo
