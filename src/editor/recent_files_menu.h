#pragma once

#include <QMenu>

namespace tikaroo {

class CMainWindow;

// File > Recent files: the ROM files opened last, newest first. A file that is gone stays listed,
// disabled, until it is pushed out or the list is cleared.
class CRecentFilesMenu : public QMenu {
public:
    // Stands in `fileMenu` before `before`; the list is read again each time `fileMenu` opens.
    CRecentFilesMenu(CMainWindow& window, QMenu* fileMenu, QAction* before);

    void Rebuild();

private:
    CMainWindow& mainWindow;
};

} // namespace tikaroo
