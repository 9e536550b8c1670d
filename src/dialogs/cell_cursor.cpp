#include "cell_cursor.h"

#include "editor/nes_canvas.h"
#include "editor/qt_picture.h"

namespace tikaroo {

CCellCursor::CCellCursor(CNesCanvas* shownOn, const BoxGrid& cells, int selected)
    : QObject(shownOn), canvas(shownOn), grid(cells), cell(selected), cellLimit(cells.Count()) {
    connect(canvas, &CNesCanvas::PointPicked, this, [this](QPoint point, bool) { Pick(point); });
    connect(canvas, &CNesCanvas::ArrowPressed, this, &CCellCursor::Step);
    connect(canvas, &CNesCanvas::FocusGained, this, [this] { Select(cell); });
}

void CCellCursor::Select(int newCell) {
    cell = newCell;
    canvas->SetFrame(ToQRect(grid.Box(cell)), Qt::white, true);
    canvas->ScrollToFrame();
    emit Moved(cell);
}

void CCellCursor::Pick(QPoint point) {
    if (const auto target = grid.IndexAt({point.x(), point.y()})) TryMove(*target);
}

void CCellCursor::Step(int dx, int dy) {
    const int column = cell % grid.columns + dx;
    if ((column < 0 || column >= grid.columns) && edgeStep && edgeStep(dx)) return;
    if (const auto target = grid.Step(cell, dx, dy)) TryMove(*target);
}

void CCellCursor::TryMove(int target) {
    if (target < cellLimit) Select(target);
}

} // namespace tikaroo
