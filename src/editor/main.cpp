#include "command_icons.h"
#include "main_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Where the settings live (QSettings); set once, before anything reads them.
    QApplication::setOrganizationName(QStringLiteral("tikaroo"));
    QApplication::setApplicationName(QStringLiteral("tikaroo-editor"));
    QApplication::setDesktopFileName(QStringLiteral("tikaroo-editor"));
    QApplication::setWindowIcon(tikaroo::ApplicationIcon());
    tikaroo::CMainWindow window;
    window.show();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) window.OpenRom(arguments.at(1));
    return QApplication::exec();
}
