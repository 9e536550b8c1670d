#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QRect>

#include <optional>
#include <vector>

class QTimer;

namespace tikaroo {

class PictureBuffer;

// The scrolling picture control of the main window and of the picture dialogs. It shows a picture and a
// blinking selection frame, and reports clicks and keys to its owner instead of acting on them.
class CNesCanvas : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CNesCanvas(QWidget* parent = nullptr);

    // Shows `picture`, which its owner keeps alive while it is shown (nullptr shows nothing). The canvas
    // keeps no pointer to the pixels: it wraps them anew at every paint, so a redraw that reallocates
    // them is safe as long as the owner then calls PictureChanged().
    void SetPicture(const PictureBuffer* picture);
    // The shown picture's size or pixels changed: lays out the scroll bars again and repaints.
    void PictureChanged();
    QSize PictureSize() const;

    // The frame, in picture pixels; it is drawn only while visible, focused and in its blink phase.
    void SetFrame(const QRect& rect, const QColor& colour, bool visible);
    QRect Frame() const { return frame; }
    QColor FrameColour() const { return frameColour; }
    bool FrameVisible() const { return frameVisible; }
    // Scrolls so that the frame, as large as the zoom shows it, is in view, in steps of 16 pixels.
    void ScrollToFrame();

    // The zoom, as a step of the ladder 1/2, 3/4, 1, 2, 3, 4: step 0 shows the picture at its size. The
    // picture point under `anchor` (a viewport point; the middle of the view when none) stays where it
    // is. Whole zooms show sharp pixels, those below 1 are smoothed. Dialogs keep step 0.
    static constexpr int kMinZoomStep = -2;
    static constexpr int kMaxZoomStep = 3;
    void SetZoomStep(int step, std::optional<QPoint> anchor = std::nullopt);
    int ZoomStep() const { return zoomStep; }
    // Ctrl with the mouse wheel zooms around the mouse.
    void SetWheelZoom(bool on) { wheelZoom = on; }
    // The picture point shown at a viewport point, and back.
    QPoint ToPicture(QPoint viewportPoint) const;
    QPoint FromPicture(QPoint picturePoint) const;

    // A grid over the picture: the outline of each rectangle (the rooms) and, inside, lines every 32
    // picture pixels (the blocks).
    void SetGrid(std::vector<QRect> rooms);
    void SetGridVisible(bool visible);

signals:
    // The left button went down (drag false) or the mouse moved with it held (drag true).
    void PointPicked(QPoint picturePoint, bool drag);
    // Left/Right give dx -1/+1, Up/Down dy -1/+1.
    void ArrowPressed(int dx, int dy);
    // Any other key but Esc, Enter and the arrows; delta is +1 for the plus keys (with or without Shift
    // on the main keyboard) and -1 for the minus keys, else 0.
    void KeyPressed(int key, int delta, Qt::KeyboardModifiers modifiers);
    // The canvas gained the keyboard focus; `lastFramePoint` is where the frame stands.
    void FocusGained(QPoint lastFramePoint);
    // The user zoomed with the mouse wheel.
    void ZoomChanged(int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void UpdateScrollBars();
    QPoint ScrollPosition() const;
    // A rectangle of picture pixels as the viewport shows it.
    QRect OnScreen(const QRect& pictureRect) const;
    void PaintGrid(QPainter& painter) const;

    const PictureBuffer* picture = nullptr;
    QRect frame;
    QColor frameColour = Qt::white;
    bool frameVisible = false;
    bool blinkOn = true;
    bool dragging = false;
    int zoomStep = 0;
    bool wheelZoom = false;
    int wheelRest = 0; // of a wheel notch
    std::vector<QRect> gridRooms;
    bool gridVisible = false;
    QTimer* blinkTimer = nullptr;
};

} // namespace tikaroo
