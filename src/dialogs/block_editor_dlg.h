#pragma once

#include "block_dialogs_copy.h"
#include "render/picture_buffer.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QLabel;

namespace tikaroo {

class CCellCursor;
class CNesCanvas;

// "Block editor": one block four times enlarged; changes the tile of a cell and the attribute of a
// quarter.
class CBlockEditorDlg : public QDialog {
    Q_OBJECT
public:
    CBlockEditorDlg(BlockDialogsCopy copy, std::size_t block, QWidget* parent = nullptr);

    const EditGraphicSets& Sets() const { return copy.sets; }

private:
    EditBlock& Block() { return copy.Set().blocks[block]; }
    std::uint8_t& CellTile();
    std::uint8_t& CellAttribute();
    void KeyPressed(int key, int delta, Qt::KeyboardModifiers modifiers);
    void ChooseTile();
    void Changed();
    void ShowCellText();

    BlockDialogsCopy copy;
    std::size_t block;
    std::optional<std::uint8_t> clipboard;
    PictureBuffer picture;
    CNesCanvas* canvas = nullptr;
    CCellCursor* cursor = nullptr;
    QLabel* cellText = nullptr;
};

} // namespace tikaroo
