#pragma once

#include "game/edit_graphic_set.h"
#include "game/level_set_edits.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace tikaroo {

// Edits the music and attributes of a new level set (create mode) or of a copy of every level set
// (modify mode, where a set's graphic set stays as it is).
class CLevelSetEditorDlg : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Create, Modify };

    CLevelSetEditorDlg(Mode mode, const LevelSetSummary& levelSets, std::uint8_t currentLevelSet,
                       const EditGraphicSets& graphicSets, QWidget* parent = nullptr);

    // After OK in modify mode: every set with its edits.
    const LevelSetSummary& LevelSets() const { return levelSets; }
    // After OK in create mode: the set to create.
    const LevelSetSummaryEntry& NewSet() const { return newSet; }

    void accept() override;

private:
    LevelSetSummaryEntry* SelectedEntry();
    void ShowSelectedSet();
    void StoreControls();

    Mode mode;
    LevelSetSummary levelSets;
    LevelSetSummaryEntry newSet;
    QComboBox* levelSetList = nullptr; // modify mode only
    QComboBox* musicList = nullptr;
    QComboBox* graphicSetList = nullptr;
    QCheckBox* seaLevelBox = nullptr;
    QComboBox* bridgesList = nullptr;
    QCheckBox* altPaletteBox = nullptr;
};

} // namespace tikaroo
