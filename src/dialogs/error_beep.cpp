#include "error_beep.h"

#include <QApplication>

namespace tikaroo {

namespace {
int beeps = 0;
} // namespace

void ErrorBeep() {
    ++beeps;
    QApplication::beep();
}

int ErrorBeepCount() {
    return beeps;
}

} // namespace tikaroo
