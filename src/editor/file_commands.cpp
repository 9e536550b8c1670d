// Open, Save, Save as and Quit.
#include "command_handlers.h"
#include "dialogs/file_dialogs.h"
#include "editor_settings.h"
#include "game/graphics_lost_on_reopen.h"
#include "main_window.h"
#include "status_texts.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include <exception>

namespace tikaroo {

namespace {

const QString kNesFilter = QStringLiteral("NES files (*.nes)");

// The model takes paths in the system's encoding of file names; relative ones are made absolute, so
// that Run game and Save still find the file after the working folder changed.
std::string SystemPath(const QString& path) {
    return QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString();
}

} // namespace

bool CMainWindow::RefuseSecondOpen() {
    if (rom.loaded == 0) return false;
    QMessageBox::warning(
        this, QString::fromLatin1(kProgramTitle),
        QStringLiteral("File already loaded.\nClose the editor and open again to load new file."));
    return true;
}

bool CMainWindow::OpenRom(const QString& path) {
    if (RefuseSecondOpen()) return false;
    try {
        rom.LoadRom(SystemPath(path));
    } catch (const std::exception& error) {
        QMessageBox::critical(
            this, QString::fromLatin1(kProgramTitle),
            QStringLiteral("Unable to load file '%1'.\nIt is possible that read disk error or file "
                           "corrupted.\n\nLoader returned error: '%2'")
                .arg(path, QString::fromLocal8Bit(error.what())));
        return false; // the failed load has already emptied the model
    }
    SetModified(false);
    editor_settings::AddRecentFile(RomFilePath());
    ShowLevel({false, 0});
    SetStatusText(0, QStringLiteral("Ready"));
    return true;
}

bool CMainWindow::SaveRomAs(const QString& path) {
    try {
        rom.SaveRom(path.isEmpty() ? std::string() : SystemPath(path));
    } catch (const std::exception& error) {
        QMessageBox::critical(this, QString::fromLatin1(kProgramTitle),
                              SaveErrorText(RomFilePath(), error.what()));
        return false;
    }
    // The view stays where the user left it; only the file name may have changed.
    SetModified(false);
    if (!path.isEmpty()) editor_settings::AddRecentFile(RomFilePath());
    SetStatusText(0, QStringLiteral("Ready"));
    UpdateTitle();
    // Saved graphics that the next open will not show are said now, not lost unannounced.
    const std::vector<std::string> lost = GraphicsLostOnReopen(rom);
    if (!lost.empty()) {
        QStringList lines;
        for (const std::string& line : lost) lines << QString::fromStdString(line);
        QMessageBox::information(this, QString::fromLatin1(kProgramTitle), lines.join(QLatin1Char('\n')));
    }
    return true;
}

void OpenCommand(CMainWindow& window) {
    if (window.RefuseSecondOpen()) return;
    const QString path =
        ChooseFileToOpen(&window, QString(), QStringLiteral("Bramwick's_Tikaroo_(E)_[!].nes"), kNesFilter);
    if (!path.isEmpty()) window.OpenRom(path);
}

void SaveCommand(CMainWindow& window) {
    window.SaveRomAs({});
}

void SaveAsCommand(CMainWindow& window) {
    const QString path = ChooseFileToSave(&window, QString(), window.RomFilePath(), kNesFilter);
    if (!path.isEmpty()) window.SaveRomAs(path);
}

void QuitCommand(CMainWindow& window) {
    window.close();
}

bool CMainWindow::AskAboutUnsavedChanges() {
    const auto answer = QMessageBox::question(
        this, QString::fromLatin1(kProgramTitle),
        QStringLiteral("'%1' has changes that are not saved.\nSave them before closing?").arg(RomFileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    return answer == QMessageBox::Discard || (answer == QMessageBox::Save && SaveRomAs({}));
}

// Closing never saves unasked: unsaved changes get their own question, else the close is confirmed.
void CMainWindow::closeEvent(QCloseEvent* event) {
    const auto confirmed = [this] {
        return QMessageBox::question(
                   this, QString::fromLatin1(kProgramTitle),
                   QStringLiteral("Are you sure that you want to close '%1'?").arg(RomFileName()),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    };
    if (rom.loaded == 0 || (modified ? AskAboutUnsavedChanges() : confirmed()))
        event->accept();
    else
        event->ignore();
}

} // namespace tikaroo
