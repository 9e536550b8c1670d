#include "nes_canvas.h"

#include <QPainter>
#include <QScrollBar>

namespace tikaroo {

namespace {
constexpr int kScrollStep = 16;
} // namespace

CNesCanvas::CNesCanvas(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("SysCanvas32"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(true);
    QPalette background = viewport()->palette();
    background.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    viewport()->setPalette(background);
    horizontalScrollBar()->setSingleStep(kScrollStep);
    verticalScrollBar()->setSingleStep(kScrollStep);
}

void CNesCanvas::SetPicture(const QImage& newPicture) {
    picture = newPicture;
    UpdateScrollBars();
    viewport()->update();
}

void CNesCanvas::paintEvent(QPaintEvent* /*event*/) {
    if (picture.isNull()) return;
    QPainter painter(viewport());
    painter.drawImage(QPoint(-horizontalScrollBar()->value(), -verticalScrollBar()->value()), picture);
}

void CNesCanvas::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CNesCanvas::UpdateScrollBars() {
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, picture.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, picture.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
}

} // namespace tikaroo
