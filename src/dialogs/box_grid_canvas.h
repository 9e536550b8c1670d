#pragma once

#include "editor/nes_canvas.h"
#include "render/box_grid.h"
#include "render/picture_buffer.h"

namespace tikaroo {

// A dialog canvas whose picture is a grid of boxes: the frame marks the selected box, a mouse press or
// an arrow step selects another, and keys go on to the dialog through KeyPressed.
class CBoxGridCanvas : public CNesCanvas {
    Q_OBJECT
public:
    // Cell: a press selects the box under it; Column: the box of its column, wherever it is pressed.
    enum class PickMode { Cell, Column };

    CBoxGridCanvas(const BoxGrid& grid, PickMode pick, QWidget* parent = nullptr);

    // Shows `picture` from now on.
    void Show(PictureBuffer newPicture);
    int Selected() const { return selected; }
    // Selects box `index` (which must be on the grid) and scrolls its frame into view.
    void Select(int index);
    // Fixes the control to show `visible` picture pixels, with a scroll bar below when the picture is
    // wider.
    void FitView(QSize visible, bool scrollsAcross = false);

signals:
    void SelectionChanged(int index);

private:
    void PickAt(QPoint point);

    BoxGrid grid;
    PickMode pick;
    PictureBuffer picture;
    int selected = 0;
};

} // namespace tikaroo
