#include "file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace tikaroo {

namespace {

const QString kLastFolder = QStringLiteral("files/lastFolder");

QString StartPath(const QString& proposed) {
    const QString folder = LastFolder();
    if (folder.isEmpty() || proposed.contains(QLatin1Char('/'))) return proposed;
    return QDir(folder).filePath(proposed);
}

QString Remembered(const QString& chosen) {
    if (!chosen.isEmpty()) QSettings().setValue(kLastFolder, QFileInfo(chosen).absolutePath());
    return chosen;
}

} // namespace

QString LastFolder() {
    return QSettings().value(kLastFolder).toString();
}

QString ChooseFileToOpen(QWidget* parent, const QString& caption, const QString& proposed,
                         const QString& filter) {
    return Remembered(QFileDialog::getOpenFileName(parent, caption, StartPath(proposed), filter));
}

QString ChooseFileToSave(QWidget* parent, const QString& caption, const QString& proposed,
                         const QString& filter, QString* chosenFilter) {
    return Remembered(
        QFileDialog::getSaveFileName(parent, caption, StartPath(proposed), filter, chosenFilter));
}

} // namespace tikaroo
