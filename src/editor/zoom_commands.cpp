// View > Zoom in, Zoom out, Actual size (also Ctrl with the mouse wheel) and Show grid; both are kept
// for the next run.
#include "command_handlers.h"
#include "editor_settings.h"
#include "main_window.h"
#include "nes_canvas.h"

#include <QAction>
#include <QCursor>

#include <optional>

namespace tikaroo {

namespace {

// Zooming keeps the point under the mouse in place, or the middle of the view when the mouse is elsewhere.
void ZoomTo(CMainWindow& window, int step) {
    CNesCanvas* canvas = window.Canvas();
    const QPoint mouse = canvas->viewport()->mapFromGlobal(QCursor::pos());
    const bool overCanvas = canvas->viewport()->rect().contains(mouse);
    canvas->SetZoomStep(step, overCanvas ? std::optional(mouse) : std::nullopt);
    editor_settings::StoreZoomStep(canvas->ZoomStep());
}

} // namespace

void ZoomInCommand(CMainWindow& window) {
    ZoomTo(window, window.Canvas()->ZoomStep() + 1);
}

void ZoomOutCommand(CMainWindow& window) {
    ZoomTo(window, window.Canvas()->ZoomStep() - 1);
}

void ActualSizeCommand(CMainWindow& window) {
    ZoomTo(window, 0);
}

void ShowGridCommand(CMainWindow& window) {
    const bool show = window.Action(kCmdShowGrid)->isChecked();
    window.Canvas()->SetGridVisible(show);
    editor_settings::StoreShowGrid(show);
}

void CMainWindow::SetUpZoomAndGrid() {
    canvas->SetWheelZoom(true);
    canvas->SetZoomStep(editor_settings::ZoomStep());
    connect(canvas, &CNesCanvas::ZoomChanged, this, [](int step) { editor_settings::StoreZoomStep(step); });
    QAction* grid = Action(kCmdShowGrid);
    grid->setCheckable(true);
    grid->setChecked(editor_settings::ShowGrid());
    canvas->SetGridVisible(grid->isChecked());
}

} // namespace tikaroo
