// A ROM file dropped on the window opens as File > Open opens it.
#include "main_window.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace tikaroo {

namespace {

// The one local .nes file that `data` carries, or an empty string.
QString DroppedRom(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
    const QString path = urls.front().toLocalFile();
    return path.endsWith(QStringLiteral(".nes"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

void CMainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedRom(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedRom(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // The drop ends first: the program that the file came from does not wait on the load or its messages.
    QMetaObject::invokeMethod(
        this, [this, path] { OpenRom(path); }, Qt::QueuedConnection);
}

} // namespace tikaroo
