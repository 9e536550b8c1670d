#pragma once

#include "game/game_rom.h"

#include <QDialog>

#include <cstdint>
#include <vector>

class QComboBox;
class QTreeWidget;

namespace tikaroo {

class CObjectImages;

// Shows the three objects lists of the shown level or bonus level and edits a copy of every level's
// lists: a list is replaced by a copy of another or emptied. OK hands the copy back; "Select object"
// ends with kSelectObject and the chosen object.
class CObjectsManagerDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSelectObject = 2;

    struct Input {
        std::vector<ObjectLists> levels;
        std::vector<ObjectLists> bonusLevels;
        bool bonusMode = false;
        std::uint8_t level = 0; // the shown level slot, or bonus level in bonus mode
        int selectedList = -1;  // the object selected on the canvas
        int selectedIndex = -1;
    };

    CObjectsManagerDlg(Input input, const CObjectImages& images, QWidget* parent = nullptr);

    const std::vector<ObjectLists>& LevelLists() const { return copy.levels; }
    const std::vector<ObjectLists>& BonusLists() const { return copy.bonusLevels; }
    const ObjectHit& Chosen() const { return chosen; }

private:
    ObjectLists& ShownLists();
    void Fill();
    void SortBy(int column);
    void SelectObject();
    void CopyListFrom();
    void FlushList();

    Input copy;
    const CObjectImages& images;
    ObjectHit chosen;
    int sortColumn = 1;
    bool ascending = true;

    QComboBox* listBox = nullptr;
    QTreeWidget* tree = nullptr;
};

} // namespace tikaroo
