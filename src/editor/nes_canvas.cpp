#include "nes_canvas.h"

#include "qt_picture.h"
#include "render/picture_buffer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace tikaroo {

namespace {
constexpr int kScrollStep = 16;
constexpr int kBlinkMilliseconds = 400;
constexpr int kFrameInteriorAlpha = 160;

int StepRoundUp(int value) {
    return (value + kScrollStep - 1) / kScrollStep * kScrollStep;
}
} // namespace

CNesCanvas::CNesCanvas(QWidget* parent) : QAbstractScrollArea(parent), blinkTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("SysCanvas32"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(true);
    QPalette background = viewport()->palette();
    background.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    viewport()->setPalette(background);
    horizontalScrollBar()->setSingleStep(kScrollStep);
    verticalScrollBar()->setSingleStep(kScrollStep);
    blinkTimer->setInterval(kBlinkMilliseconds);
    connect(blinkTimer, &QTimer::timeout, this, [this] {
        blinkOn = !blinkOn;
        viewport()->update();
    });
}

void CNesCanvas::SetPicture(const PictureBuffer* newPicture) {
    picture = newPicture;
    PictureChanged();
}

void CNesCanvas::PictureChanged() {
    UpdateScrollBars();
    viewport()->update();
}

QSize CNesCanvas::PictureSize() const {
    return picture != nullptr ? QSize(picture->Width(), picture->Height()) : QSize();
}

void CNesCanvas::SetFrame(const QRect& rect, const QColor& colour, bool visible) {
    frame = rect;
    frameColour = colour;
    frameVisible = visible;
    viewport()->update();
}

void CNesCanvas::ScrollToFrame() {
    QScrollBar* bars[2] = {horizontalScrollBar(), verticalScrollBar()};
    const int starts[2] = {frame.left(), frame.top()};
    const int ends[2] = {frame.left() + frame.width(), frame.top() + frame.height()};
    const int visible[2] = {viewport()->width(), viewport()->height()};
    for (int axis = 0; axis < 2; ++axis) {
        const int position = bars[axis]->value();
        if (ends[axis] > position + visible[axis])
            bars[axis]->setValue(StepRoundUp(ends[axis] - visible[axis]));
        if (starts[axis] < bars[axis]->value())
            bars[axis]->setValue(starts[axis] / kScrollStep * kScrollStep);
    }
}

QPoint CNesCanvas::ToPicture(QPoint viewportPoint) const {
    return viewportPoint + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CNesCanvas::paintEvent(QPaintEvent* /*event*/) {
    if (picture == nullptr || picture->Empty()) return;
    QPainter painter(viewport());
    const QPoint origin(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    painter.drawImage(origin, WrapPicture(*picture));
    if (frameVisible && blinkOn && hasFocus() && frame.width() >= 1 && frame.height() >= 1) {
        QColor interior = frameColour;
        interior.setAlpha(kFrameInteriorAlpha);
        const QRect onScreen = frame.translated(origin);
        painter.fillRect(onScreen, interior);
        painter.setPen(frameColour);
        painter.drawRect(onScreen.adjusted(0, 0, -1, -1));
    }
}

void CNesCanvas::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CNesCanvas::keyPressEvent(QKeyEvent* event) {
    struct Arrow {
        int key, dx, dy;
    };
    static constexpr Arrow kArrows[] = {
        {Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}};
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Esc ends a drag; both keys go on to the dialog that holds the canvas (OK and Cancel).
        if (key == Qt::Key_Escape) dragging = false;
        event->ignore();
        return;
    }
    for (const Arrow& arrow : kArrows) {
        if (arrow.key == key) {
            emit ArrowPressed(arrow.dx, arrow.dy);
            return;
        }
    }
    // On most keyboards plus shares its key with '=' and minus with '_'.
    const int delta = key == Qt::Key_Plus || key == Qt::Key_Equal         ? 1
                      : key == Qt::Key_Minus || key == Qt::Key_Underscore ? -1
                                                                          : 0;
    emit KeyPressed(key, delta, event->modifiers());
}

void CNesCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    dragging = true;
    emit PointPicked(ToPicture(event->position().toPoint()), false);
}

void CNesCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (dragging && (event->buttons() & Qt::LeftButton))
        emit PointPicked(ToPicture(event->position().toPoint()), true);
}

void CNesCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging = false;
}

void CNesCanvas::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    blinkOn = true;
    blinkTimer->start();
    viewport()->update();
    emit FocusGained(frame.topLeft());
}

void CNesCanvas::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    blinkTimer->stop();
    viewport()->update();
}

void CNesCanvas::UpdateScrollBars() {
    const QSize view = viewport()->size();
    const QSize size = PictureSize();
    horizontalScrollBar()->setRange(0, std::max(0, size.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, size.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
}

} // namespace tikaroo
