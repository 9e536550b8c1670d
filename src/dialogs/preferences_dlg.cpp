#include "preferences_dlg.h"

#include "dialog_buttons.h"
#include "dialog_controls.h"
#include "file_dialogs.h"
#include "render/pal_file.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tikaroo {

CPreferencesDlg::CPreferencesDlg(const Preferences& initial, QWidget* parent)
    : QDialog(parent), preferences(initial) {
    setWindowTitle(QStringLiteral("Preferences"));
    auto* layout = new QVBoxLayout(this);

    auto* emulator = new QFormLayout;
    emulatorCommand = new QLineEdit(preferences.emulatorCommand, this);
    emulatorCommand->setObjectName(QStringLiteral("emulatorCommand"));
    emulatorCommand->setPlaceholderText(QStringLiteral("emulator --fullscreen %f"));
    emulatorCommand->setMinimumWidth(360);
    emulator->addRow(QStringLiteral("Emulator command:"), emulatorCommand);
    auto* hint = new QLabel(QStringLiteral("%f stands for the ROM file. Empty: the program the system "
                                           "opens NES files with."),
                            this);
    hint->setWordWrap(true);
    emulator->addRow(QString(), hint);
    layout->addLayout(emulator);

    auto* colourBox = new QGroupBox(QStringLiteral("NES colours"), this);
    auto* colourLayout = new QVBoxLayout(colourBox);
    builtInColours = new QRadioButton(QStringLiteral("Built-in colours"), colourBox);
    fileColours = new QRadioButton(QStringLiteral("Colours of a .pal file:"), colourBox);
    fileColours->setObjectName(QStringLiteral("fileColours"));
    auto* group = new QButtonGroup(colourBox);
    group->addButton(builtInColours);
    group->addButton(fileColours);
    colourFile = new QLineEdit(preferences.colourFile, colourBox);
    colourFile->setObjectName(QStringLiteral("colourFile"));
    QPushButton* browse = CommandButton(QStringLiteral("Browse..."), this);
    connect(browse, &QPushButton::clicked, this, &CPreferencesDlg::ChooseColourFile);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(colourFile, 1);
    fileRow->addWidget(browse);
    colourLayout->addWidget(builtInColours);
    colourLayout->addWidget(fileColours);
    colourLayout->addLayout(fileRow);
    (preferences.colourFile.isEmpty() ? builtInColours : fileColours)->setChecked(true);
    const auto enableFileRow = [this, browse](bool on) {
        colourFile->setEnabled(on);
        browse->setEnabled(on);
    };
    enableFileRow(fileColours->isChecked());
    connect(fileColours, &QRadioButton::toggled, this, enableFileRow);
    layout->addWidget(colourBox);

    keepBackup = new QCheckBox(QStringLiteral("Keep the previous file as NAME.nes.bak when saving"), this);
    keepBackup->setObjectName(QStringLiteral("keepBackup"));
    keepBackup->setChecked(preferences.keepBackup);
    layout->addWidget(keepBackup);
    AddOkCancel(this, layout);
}

void CPreferencesDlg::ChooseColourFile() {
    const QString path = ChooseFileToOpen(this, QStringLiteral("NES colours"), colourFile->text(),
                                          QStringLiteral("NES colours (*.pal)"));
    if (!path.isEmpty()) colourFile->setText(path);
}

void CPreferencesDlg::accept() {
    const QString file = fileColours->isChecked() ? colourFile->text().trimmed() : QString();
    try {
        colours = file.isEmpty() ? NesColorSet : ReadPalFile(QFile::encodeName(file).toStdString());
    } catch (const PalFileError& error) {
        ShowDialogError(this, QStringLiteral("Unable to use the colour file '%1'.\n\n%2")
                                  .arg(file, QString::fromLatin1(error.what())));
        return;
    }
    preferences.emulatorCommand = emulatorCommand->text().trimmed();
    preferences.colourFile = file;
    preferences.keepBackup = keepBackup->isChecked();
    QDialog::accept();
}

} // namespace tikaroo
