#pragma once

// What the window tests share: a folder holding the sample, and a window shown on it.
#include "editor/main_window.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <QTest>

#include <memory>

namespace tikaroo::test {

class WindowTest : public QObject {
protected:
    TempDir dir;
    const QString samplePath = QString::fromStdString(dir.Write("sample.nes", sample::MakeSampleGame().file));
    std::unique_ptr<CMainWindow> window;

    QString Path(const std::string& name) const { return QString::fromStdString(dir.Path(name)); }

    // A new window, shown and active (shortcuts reach only the active window); with `rom`, opened on it.
    bool Open(const QString& rom = {}) {
        window = std::make_unique<CMainWindow>();
        window->resize(1200, 800);
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get()) && (rom.isEmpty() || window->OpenRom(rom));
    }
};

} // namespace tikaroo::test
