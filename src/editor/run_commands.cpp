// Run game and Run from this level: the game starts in the emulator of the preferences.
#include "command_handlers.h"
#include "emulator_launch.h"
#include "main_window.h"
#include "rom/rom_error.h"
#include "status_texts.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

namespace tikaroo {

namespace {

// The game runs the file on disk: unsaved changes are saved first when the user says so. False when the
// user cancels or the save fails.
bool ReadyToRun(CMainWindow& window) {
    if (!window.Modified()) return true;
    QMessageBox question(QMessageBox::Question, QString::fromLatin1(kProgramTitle),
                         QStringLiteral("The game runs the ROM file as saved, and your changes are not "
                                        "saved yet.\nSave them first?"),
                         QMessageBox::Save | QMessageBox::Cancel, &window);
    QPushButton* runAnyway =
        question.addButton(QStringLiteral("Run without saving"), QMessageBox::AcceptRole);
    question.setDefaultButton(QMessageBox::Save);
    question.exec();
    if (question.clickedButton() == runAnyway) return true;
    return question.clickedButton() == question.button(QMessageBox::Save) && window.SaveRomAs({});
}

void Run(CMainWindow& window, const QString& romPath) {
    const QString command = window.CurrentPreferences().emulatorCommand;
    if (LaunchGame(command, romPath)) return;
    const QString problem = command.isEmpty()
                                ? QStringLiteral("No program is set to open NES ROM files.")
                                : QStringLiteral("Unable to start the emulator command '%1'.").arg(command);
    QMessageBox::warning(&window, QString::fromLatin1(kProgramTitle),
                         problem + QStringLiteral("\nSet the \"Emulator command\" in Edit > Preferences."));
}

} // namespace

void RunGameCommand(CMainWindow& window) {
    if (ReadyToRun(window)) Run(window, window.RomFilePath());
}

void RunFromLevelCommand(CMainWindow& window) {
    const QString copy = window.WriteRunCopy();
    if (!copy.isEmpty()) Run(window, copy);
}

QString CMainWindow::WriteRunCopy() {
    if (!runCopies) runCopies = std::make_unique<QTemporaryDir>();
    // The copy carries the ROM's own name, which the emulator may show.
    const QString path = runCopies->filePath(QFileInfo(RomFilePath()).fileName());
    try {
        // The command runs only while a main level is shown: a refusal is the folder's fault.
        if (!runCopies->isValid() || !rom.SaveCopyBeginningHere(QFile::encodeName(path).toStdString()))
            throw RomError(errors::kWriteError);
        return path;
    } catch (const std::exception& error) {
        QMessageBox::critical(this, QString::fromLatin1(kProgramTitle), SaveErrorText(path, error.what()));
        return {};
    }
}

} // namespace tikaroo
