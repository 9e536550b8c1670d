#pragma once

#include "preferences.h"
#include "render/nes_colors.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace tikaroo {

// Edits a copy of the preferences. OK refuses a colour file it cannot use (a message says why); after
// OK, Edited() is the copy and Colours() the colours it names.
class CPreferencesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPreferencesDlg(const Preferences& preferences, QWidget* parent = nullptr);

    const Preferences& Edited() const { return preferences; }
    const NesColourTable& Colours() const { return colours; }

    void accept() override;

private:
    void ChooseColourFile();

    Preferences preferences;
    NesColourTable colours = NesColorSet;
    QLineEdit* emulatorCommand = nullptr;
    QRadioButton* builtInColours = nullptr;
    QRadioButton* fileColours = nullptr;
    QLineEdit* colourFile = nullptr;
    QCheckBox* keepBackup = nullptr;
};

} // namespace tikaroo
