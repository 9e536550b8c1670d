#include "cell_cursor.h"

#include "editor/nes_canvas.h"

namespace tikaroo {

namespace {
constexpr int kCellSize = 32;
} // namespace

QRect CellGrid::CellRect(int cell) const {
    return {cell % columns * pitch, cell / columns * pitch, kCellSize, kCellSize};
}

int CellGrid::CellAt(QPoint point) const {
    if (point.x() < 0 || point.y() < 0) return -1;
    const int column = point.x() / pitch;
    const int row = point.y() / pitch;
    return column < columns && row < rows ? row * columns + column : -1;
}

CCellCursor::CCellCursor(CNesCanvas* shownOn, CellGrid cells, int selected)
    : QObject(shownOn), canvas(shownOn), grid(cells), cell(selected), cellLimit(cells.columns * cells.rows) {
    connect(canvas, &CNesCanvas::PointPicked, this, [this](QPoint point, bool) { Pick(point); });
    connect(canvas, &CNesCanvas::ArrowPressed, this, &CCellCursor::Step);
    connect(canvas, &CNesCanvas::FocusGained, this, [this] { Select(cell); });
}

void CCellCursor::Select(int newCell) {
    cell = newCell;
    canvas->SetFrame(grid.CellRect(cell), Qt::white, true);
    canvas->ScrollToFrame();
    emit Moved(cell);
}

void CCellCursor::Pick(QPoint point) {
    TryMove(grid.CellAt(point));
}

void CCellCursor::Step(int dx, int dy) {
    const int column = cell % grid.columns + dx;
    const int row = cell / grid.columns + dy;
    if ((column < 0 || column >= grid.columns) && edgeStep && edgeStep(dx)) return;
    if (column < 0 || column >= grid.columns || row < 0 || row >= grid.rows) return;
    TryMove(row * grid.columns + column);
}

void CCellCursor::TryMove(int target) {
    if (target >= 0 && target < cellLimit) Select(target);
}

} // namespace tikaroo
