#include "main_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tikaroo::CMainWindow window;
    window.show();
    return QApplication::exec();
}
