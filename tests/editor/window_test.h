#pragma once

// What the window tests share: a folder holding the sample, and a window shown on it.
#include "dialogs/dialog_driver.h"
#include "editor/main_window.h"
#include "editor/nes_canvas.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTreeWidget>
#include <QUrl>

#include <memory>

namespace tikaroo::test {

class WindowTest : public QObject {
protected:
    TempDir dir;
    const QString samplePath = QString::fromStdString(dir.Write("sample.nes", sample::MakeSampleGame().file));
    std::unique_ptr<CMainWindow> window;

    QString Path(const std::string& name) const { return QString::fromStdString(dir.Path(name)); }

    // Where the marker of `entry` was last drawn on the level picture.
    QPoint MarkerPoint(const ObjectEntry& entry) const {
        return {static_cast<int>(entry.x - window->Rom().ObjectsOrigin()), entry.canvasY};
    }

    // Makes the window active again: shortcuts reach only the active window, and the offscreen platform
    // does not hand the activation back when a dialog closes.
    bool Activate() {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    // A new window, shown and active; with `rom`, opened on it.
    bool Open(const QString& rom = {}) {
        window = std::make_unique<CMainWindow>();
        window->resize(1200, 800);
        window->show();
        return Activate() && (rom.isEmpty() || window->OpenRom(rom));
    }
};

} // namespace tikaroo::test
