#pragma once

#include "block_dialogs_copy.h"
#include "render/picture_buffer.h"

#include <QDialog>

#include <optional>

namespace tikaroo {

class CCellCursor;
class CNesCanvas;

// "Blocks editor": every block of one graphic set in a grid; adds a block, deletes the last one, copies
// and pastes whole blocks and opens the block editor.
class CBlocksEditorDlg : public QDialog {
    Q_OBJECT
public:
    CBlocksEditorDlg(BlockDialogsCopy copy, std::size_t block, QWidget* parent = nullptr);

    const EditGraphicSets& Sets() const { return copy.sets; }
    std::size_t SelectedBlock() const;

private:
    std::vector<EditBlock>& Blocks() { return copy.Set().blocks; }
    void KeyPressed(int key, int delta, Qt::KeyboardModifiers modifiers);
    void NewBlock();
    void ModifyBlock();
    void DeleteLastBlock();
    void Redraw();

    BlockDialogsCopy copy;
    std::optional<EditBlock> clipboard;
    PictureBuffer picture;
    CNesCanvas* canvas = nullptr;
    CCellCursor* cursor = nullptr;
};

} // namespace tikaroo
