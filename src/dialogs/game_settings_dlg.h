#pragma once

#include "game/model.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace tikaroo {

// Edits a copy of the game settings; Settings() is the edited copy after OK.
class CGameSettingsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CGameSettingsDlg(const GameSettings& settings, QWidget* parent = nullptr);

    const GameSettings& Settings() const { return settings; }

    void accept() override;

private:
    GameSettings settings;
    std::vector<QSpinBox*> numberBoxes; // in the order of the number fields
    std::vector<QCheckBox*> flagBoxes;  // in the order of the flag fields
    QComboBox* beginArea = nullptr;
    QSpinBox* beginFrom = nullptr;
    QComboBox* weapon = nullptr;
};

} // namespace tikaroo
