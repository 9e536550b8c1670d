#pragma once

#include "game/level_properties.h"
#include "game/level_set_edits.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace tikaroo {

// Edits a copy of the current level's egg values, level set, palette set, updater and the tops of its
// level set; Properties() is the edited copy after OK.
class CLevelPropDlg : public QDialog {
    Q_OBJECT
public:
    CLevelPropDlg(const LevelProperties& properties, const LevelSetSummary& levelSets,
                  std::size_t paletteSetCount, std::size_t updaterCount, QWidget* parent = nullptr);

    const LevelProperties& Properties() const { return properties; }

    void accept() override;

private:
    QLayout* MakeEggBoxes();
    QLayout* MakeTopBoxes();

    LevelProperties properties;
    std::array<QCheckBox*, 8> eggBoxes{};
    std::array<QSpinBox*, 8> topBoxes{}; // top of screen and top of floor of each tops byte in turn
    QComboBox* levelSetList = nullptr;
    QComboBox* paletteSetList = nullptr;
    QComboBox* updaterList = nullptr;
};

} // namespace tikaroo
