#include "main_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tikaroo::CMainWindow window;
    window.show();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) window.OpenRom(arguments.at(1));
    return QApplication::exec();
}
