#pragma once

#include "render/box_grid.h"

#include <QObject>
#include <QPoint>

#include <functional>

namespace tikaroo {

class CNesCanvas;

// `columns` x `rows` cells of 32x32 pixels, `pitch` apart, numbered row by row.
inline BoxGrid SquareCells(int columns, int rows, int pitch) {
    return {
        .stepX = pitch, .stepY = pitch, .boxWidth = 32, .boxHeight = 32, .columns = columns, .rows = rows};
}

// The selection cursor of a dialog canvas: the canvas frame (32x32, white) stands on the selected
// cell; a mouse press or an arrow key selects another cell of the grid, below the cell limit. A move
// that the grid refuses leaves the selection as it is.
class CCellCursor : public QObject {
    Q_OBJECT
public:
    CCellCursor(CNesCanvas* canvas, const BoxGrid& grid, int cell = 0);

    int Cell() const { return cell; }
    // Cells from `limit` on cannot be selected.
    void SetLimit(int limit) { cellLimit = limit; }
    // Selects `cell` and puts the frame on it.
    void Select(int newCell);
    // Left from the first column or right from the last (dx -1 or +1) goes to the owner when it
    // takes it; it answers whether it did.
    void SetEdgeStep(std::function<bool(int dx)> step) { edgeStep = std::move(step); }

signals:
    // The selection moved (also to the cell it was on, when the cursor is placed again).
    void Moved(int cell);

private:
    void Pick(QPoint point);
    void Step(int dx, int dy);
    void TryMove(int target);

    CNesCanvas* canvas;
    BoxGrid grid;
    int cell;
    int cellLimit;
    std::function<bool(int dx)> edgeStep;
};

} // namespace tikaroo
