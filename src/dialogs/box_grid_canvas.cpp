#include "box_grid_canvas.h"

#include "editor/qt_picture.h"

#include <QScrollBar>

namespace tikaroo {

CBoxGridCanvas::CBoxGridCanvas(const BoxGrid& boxes, PickMode how, QWidget* parent)
    : CNesCanvas(parent), grid(boxes), pick(how) {
    SetPicture(&picture);
    connect(this, &CNesCanvas::PointPicked, this, [this](QPoint point, bool) { PickAt(point); });
    connect(this, &CNesCanvas::ArrowPressed, this, [this](int dx, int dy) {
        if (const auto next = grid.Step(selected, dx, dy)) Select(*next);
    });
    Select(0);
}

void CBoxGridCanvas::Show(PictureBuffer newPicture) {
    picture = std::move(newPicture);
    PictureChanged();
}

void CBoxGridCanvas::Select(int index) {
    selected = index;
    SetFrame(ToQRect(grid.Box(index)), Qt::white, true);
    ScrollToFrame();
    emit SelectionChanged(index);
}

void CBoxGridCanvas::FitView(QSize visible, bool scrollsAcross) {
    ensurePolished();
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(scrollsAcross ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int border = 2 * frameWidth();
    const int bar = scrollsAcross ? horizontalScrollBar()->sizeHint().height() : 0;
    setFixedSize(visible.width() + border, visible.height() + border + bar);
}

void CBoxGridCanvas::PickAt(QPoint point) {
    const PicturePoint at = {point.x(), pick == PickMode::Column ? grid.top : point.y()};
    if (const auto index = grid.IndexAt(at)) Select(*index);
}

} // namespace tikaroo
