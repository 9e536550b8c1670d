#include "editor_settings.h"

#include <QSettings>

namespace tikaroo::editor_settings {

namespace {
const QString kEmulatorCommand = QStringLiteral("run/emulatorCommand");
const QString kColourFile = QStringLiteral("view/colourFile");
const QString kKeepBackup = QStringLiteral("save/keepBackup");
const QString kRecentFiles = QStringLiteral("files/recent");
const QString kLastFolder = QStringLiteral("files/lastFolder");
const QString kZoomStep = QStringLiteral("view/zoomStep");
const QString kShowGrid = QStringLiteral("view/showGrid");
} // namespace

Preferences LoadPreferences() {
    const QSettings settings;
    Preferences preferences;
    preferences.emulatorCommand = settings.value(kEmulatorCommand).toString();
    preferences.colourFile = settings.value(kColourFile).toString();
    preferences.keepBackup = settings.value(kKeepBackup, true).toBool();
    return preferences;
}

void StorePreferences(const Preferences& preferences) {
    QSettings settings;
    settings.setValue(kEmulatorCommand, preferences.emulatorCommand);
    settings.setValue(kColourFile, preferences.colourFile);
    settings.setValue(kKeepBackup, preferences.keepBackup);
}

QStringList RecentFiles() {
    return QSettings().value(kRecentFiles).toStringList();
}

void StoreRecentFiles(const QStringList& files) {
    QSettings().setValue(kRecentFiles, files);
}

QString LastFolder() {
    return QSettings().value(kLastFolder).toString();
}

void StoreLastFolder(const QString& folder) {
    QSettings().setValue(kLastFolder, folder);
}

int ZoomStep() {
    return QSettings().value(kZoomStep, 0).toInt();
}

void StoreZoomStep(int step) {
    QSettings().setValue(kZoomStep, step);
}

bool ShowGrid() {
    return QSettings().value(kShowGrid, false).toBool();
}

void StoreShowGrid(bool show) {
    QSettings().setValue(kShowGrid, show);
}

} // namespace tikaroo::editor_settings
