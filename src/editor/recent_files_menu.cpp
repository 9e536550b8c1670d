#include "recent_files_menu.h"

#include "editor_settings.h"
#include "main_window.h"

#include <QFileInfo>

namespace tikaroo {

CRecentFilesMenu::CRecentFilesMenu(CMainWindow& window, QMenu* fileMenu, QAction* before)
    : QMenu(QStringLiteral("Recent files"), fileMenu), mainWindow(window) {
    setObjectName(QStringLiteral("recentFiles"));
    fileMenu->insertMenu(before, this);
    connect(fileMenu, &QMenu::aboutToShow, this, &CRecentFilesMenu::Rebuild);
    Rebuild();
}

void CRecentFilesMenu::Rebuild() {
    // Later: "Clear list" rebuilds the menu while its own item is still being triggered.
    for (QAction* item : actions()) {
        removeAction(item);
        item->deleteLater();
    }
    const QStringList files = editor_settings::RecentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString& file = files[i];
        QAction* item = addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QString(file).replace('&', "&&")));
        item->setEnabled(QFileInfo::exists(file));
        // Opening follows the rules of File > Open: one ROM per run.
        connect(item, &QAction::triggered, &mainWindow, [this, file] { mainWindow.OpenRom(file); });
    }
    if (!files.isEmpty()) addSeparator();
    connect(addAction(QStringLiteral("Clear list")), &QAction::triggered, this, [this] {
        editor_settings::ClearRecentFiles();
        Rebuild();
    });
    menuAction()->setEnabled(!files.isEmpty());
}

} // namespace tikaroo
