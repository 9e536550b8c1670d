#include "nes_canvas.h"

#include "qt_picture.h"
#include "render/picture_buffer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace tikaroo {

namespace {
constexpr int kScrollStep = 16;
constexpr int kBlinkMilliseconds = 400;
constexpr int kFrameInteriorAlpha = 160;

constexpr int kGridBlock = 32;
constexpr int kWheelNotch = 120;
const QColor kGridBlockColour(255, 255, 255, 80);
const QColor kGridRoomColour(255, 224, 64, 220);

int StepRoundUp(int value) {
    return (value + kScrollStep - 1) / kScrollStep * kScrollStep;
}

struct Ratio {
    int numerator;
    int denominator;
};

// The zoom ladder, from CNesCanvas::kMinZoomStep to kMaxZoomStep.
constexpr Ratio kZooms[] = {{1, 2}, {3, 4}, {1, 1}, {2, 1}, {3, 1}, {4, 1}};
static_assert(std::size(kZooms) == CNesCanvas::kMaxZoomStep - CNesCanvas::kMinZoomStep + 1);

Ratio ZoomOf(int step) {
    return kZooms[step - CNesCanvas::kMinZoomStep];
}

// Picture pixels to zoomed pixels, and back (rounding toward minus infinity, so that a point left of or
// above the picture stays outside it).
int Scale(int value, Ratio zoom) {
    return value * zoom.numerator / zoom.denominator;
}

int Unscale(int value, Ratio zoom) {
    const int scaled = value * zoom.denominator;
    return scaled >= 0 ? scaled / zoom.numerator : -((-scaled + zoom.numerator - 1) / zoom.numerator);
}
} // namespace

CNesCanvas::CNesCanvas(QWidget* parent) : QAbstractScrollArea(parent), blinkTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("SysCanvas32"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(true);
    QPalette background = viewport()->palette();
    // A scroll area's viewport paints its Base colour, which shows around a picture smaller than the view.
    background.setColor(viewport()->backgroundRole(), QColor(0x30, 0x30, 0x30));
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
    const QRect shown = OnScreen(frame).translated(ScrollPosition());
    const int starts[2] = {shown.left(), shown.top()};
    const int ends[2] = {shown.left() + shown.width(), shown.top() + shown.height()};
    const int visible[2] = {viewport()->width(), viewport()->height()};
    for (int axis = 0; axis < 2; ++axis) {
        const int position = bars[axis]->value();
        if (ends[axis] > position + visible[axis])
            bars[axis]->setValue(StepRoundUp(ends[axis] - visible[axis]));
        if (starts[axis] < bars[axis]->value())
            bars[axis]->setValue(starts[axis] / kScrollStep * kScrollStep);
    }
}

void CNesCanvas::SetZoomStep(int step, std::optional<QPoint> anchor) {
    step = std::clamp(step, kMinZoomStep, kMaxZoomStep);
    if (step == zoomStep) return;
    const QPointF at = anchor.value_or(viewport()->rect().center());
    const Ratio before = ZoomOf(zoomStep);
    // In fractions of a picture pixel, so that zooming in and out again comes back to the same view.
    const QPointF picturePoint = (at + ScrollPosition()) * before.denominator / before.numerator;
    zoomStep = step;
    UpdateScrollBars();
    const Ratio after = ZoomOf(zoomStep);
    const QPointF scroll = picturePoint * after.numerator / after.denominator - at;
    horizontalScrollBar()->setValue(qRound(scroll.x()));
    verticalScrollBar()->setValue(qRound(scroll.y()));
    viewport()->update();
}

QPoint CNesCanvas::ToPicture(QPoint viewportPoint) const {
    const QPoint point = viewportPoint + ScrollPosition();
    const Ratio zoom = ZoomOf(zoomStep);
    return {Unscale(point.x(), zoom), Unscale(point.y(), zoom)};
}

QPoint CNesCanvas::FromPicture(QPoint picturePoint) const {
    const Ratio zoom = ZoomOf(zoomStep);
    return QPoint(Scale(picturePoint.x(), zoom), Scale(picturePoint.y(), zoom)) - ScrollPosition();
}

QRect CNesCanvas::OnScreen(const QRect& pictureRect) const {
    const QPoint end = pictureRect.topLeft() + QPoint(pictureRect.width(), pictureRect.height());
    return {FromPicture(pictureRect.topLeft()), FromPicture(end) - QPoint(1, 1)};
}

QPoint CNesCanvas::ScrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CNesCanvas::SetGrid(std::vector<QRect> rooms) {
    gridRooms = std::move(rooms);
    if (gridVisible) viewport()->update();
}

void CNesCanvas::SetGridVisible(bool visible) {
    gridVisible = visible;
    viewport()->update();
}

void CNesCanvas::paintEvent(QPaintEvent* /*event*/) {
    if (picture == nullptr || picture->Empty()) return;
    QPainter painter(viewport());
    const QImage image = WrapPicture(*picture);
    const Ratio zoom = ZoomOf(zoomStep);
    // Only the part in view is scaled, with a pixel more around it for the pixels shown in part.
    const QRect view = viewport()->rect();
    const QRect source = QRect(ToPicture(view.topLeft()), ToPicture(view.bottomRight()) + QPoint(1, 1))
                             .intersected(image.rect());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom.numerator < zoom.denominator);
    painter.drawImage(QRectF(OnScreen(source)).adjusted(0, 0, 1, 1), image, source);
    if (gridVisible) PaintGrid(painter);
    if (frameVisible && blinkOn && hasFocus() && frame.width() >= 1 && frame.height() >= 1) {
        QColor interior = frameColour;
        interior.setAlpha(kFrameInteriorAlpha);
        const QRect onScreen = OnScreen(frame);
        painter.fillRect(onScreen, interior);
        painter.setPen(frameColour);
        painter.drawRect(onScreen.adjusted(0, 0, -1, -1));
    }
}

void CNesCanvas::PaintGrid(QPainter& painter) const {
    const QRect view = viewport()->rect();
    painter.setBrush(Qt::NoBrush);
    for (const QRect& room : gridRooms) {
        const QRect shown = OnScreen(room);
        if (!shown.intersects(view)) continue;
        painter.setPen(kGridBlockColour);
        for (int x = room.left() + kGridBlock; x <= room.right(); x += kGridBlock) {
            const int screenX = FromPicture({x, 0}).x();
            painter.drawLine(screenX, shown.top(), screenX, shown.bottom());
        }
        for (int y = room.top() + kGridBlock; y <= room.bottom(); y += kGridBlock) {
            const int screenY = FromPicture({0, y}).y();
            painter.drawLine(shown.left(), screenY, shown.right(), screenY);
        }
        painter.setPen(kGridRoomColour);
        painter.drawRect(shown);
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

void CNesCanvas::wheelEvent(QWheelEvent* event) {
    // Without a picture there is nothing to zoom, as the zoom commands are off then too.
    const bool zooms = wheelZoom && picture != nullptr && !picture->Empty();
    if (!zooms || !(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // Fine-grained wheels and touch pads send parts of a notch: a step per whole notch.
    wheelRest += event->angleDelta().y();
    const int steps = wheelRest / kWheelNotch;
    wheelRest %= kWheelNotch;
    if (steps != 0) {
        SetZoomStep(zoomStep + steps, event->position().toPoint());
        emit ZoomChanged(zoomStep);
    }
    event->accept();
}

void CNesCanvas::UpdateScrollBars() {
    const QSize view = viewport()->size();
    const Ratio zoom = ZoomOf(zoomStep);
    const QSize size(Scale(PictureSize().width(), zoom), Scale(PictureSize().height(), zoom));
    horizontalScrollBar()->setRange(0, std::max(0, size.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, size.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
}

} // namespace tikaroo
