#include "editor_settings.h"

#include <QSettings>

namespace tikaroo::editor_settings {

namespace {
const QString kEmulatorCommand = QStringLiteral("run/emulatorCommand");
const QString kColourFile = QStringLiteral("view/colourFile");
const QString kKeepBackup = QStringLiteral("save/keepBackup");
const QString kRecentFiles = QStringLiteral("files/recent");
const QString kPatchOriginal = QStringLiteral("files/patchOriginal");
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
    // The settings file may have been edited by hand: the list is bounded all the same.
    return QSettings().value(kRecentFiles).toStringList().mid(0, kRecentFilesLimit);
}

void AddRecentFile(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    QSettings().setValue(kRecentFiles, files.mid(0, kRecentFilesLimit));
}

void ClearRecentFiles() {
    QSettings().remove(kRecentFiles);
}

QString PatchOriginal() {
    return QSettings().value(kPatchOriginal).toString();
}

void StorePatchOriginal(const QString& path) {
    QSettings().setValue(kPatchOriginal, path);
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
