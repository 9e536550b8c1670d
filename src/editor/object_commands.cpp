// Objects on the canvas: the mouse, the object keys, the Objects menu and the objects manager.
#include "command_handlers.h"
#include "dialogs/objects_manager_dlg.h"
#include "main_window.h"
#include "nes_canvas.h"

#include <QScrollBar>

namespace tikaroo {

namespace {

using Mode = CObjectEditing::Mode;

void ShowObjectStatus(CMainWindow& window) {
    const QString text = CObjectEditing::StatusText(window.Rom());
    if (!text.isEmpty()) window.SetStatusText(1, text);
}

// The menu commands redraw both layers, the keys and the mouse the overlay alone.
void ChangeObjects(CMainWindow& window, Redraw redraw, const std::function<bool(CGameRom&)>& change) {
    if (window.ApplyChangeIf(redraw, change)) ShowObjectStatus(window);
    window.Canvas()->setFocus();
}

void MenuCommand(CMainWindow& window, Mode mode, bool remove) {
    CObjectEditing& editing = window.ObjectEditing();
    editing.SetMode(mode);
    ChangeObjects(window, Redraw::Level,
                  [&](CGameRom& rom) { return remove ? editing.Delete(rom) : editing.Insert(rom, false); });
}

// The selected object in the middle of the view, as far as the picture's edges allow.
void CentreOnSelectedObject(CMainWindow& window) {
    const ObjectEntry* selected = window.Rom().SelectedObject();
    if (selected == nullptr) return;
    CNesCanvas* canvas = window.Canvas();
    const int x = static_cast<int>(selected->x - window.Rom().ObjectsOrigin());
    canvas->horizontalScrollBar()->setValue(x - canvas->viewport()->width() / 2);
    canvas->verticalScrollBar()->setValue(selected->canvasY - canvas->viewport()->height() / 2);
}

} // namespace

void CanvasPoint(CMainWindow& window, QPoint point, bool drag) {
    CObjectEditing& editing = window.ObjectEditing();
    if (drag) { // the room stays while dragging
        ChangeObjects(window, Redraw::Overlay, [&](CGameRom& rom) { return editing.Drag(rom, point); });
        return;
    }
    CObjectEditing::ClickResult result = CObjectEditing::ClickResult::Cancelled;
    window.ChangeView([&](CGameRom& rom) { result = editing.Click(rom, point); });
    if (result == CObjectEditing::ClickResult::Picked) ShowObjectStatus(window);
    if (result == CObjectEditing::ClickResult::Missed) window.SelectRoom(point.x() / kRoomWidth, true);
    window.Canvas()->setFocus();
}

bool ObjectKey(CMainWindow& window, int key, Qt::KeyboardModifiers modifiers) {
    CObjectEditing& editing = window.ObjectEditing();
    const bool copy = modifiers.testFlag(Qt::ShiftModifier) || key == Qt::Key_V;
    if (key == Qt::Key_Insert || (key == Qt::Key_V && modifiers.testFlag(Qt::ControlModifier)))
        ChangeObjects(window, Redraw::Overlay, [&](CGameRom& rom) { return editing.Insert(rom, copy); });
    else if (key == Qt::Key_Delete)
        ChangeObjects(window, Redraw::Overlay, [&](CGameRom& rom) { return editing.Delete(rom); });
    else
        return false;
    return true;
}

void InsertObjectCommand(CMainWindow& window) {
    MenuCommand(window, Mode::Insert, false);
}

void ModifyObjectCommand(CMainWindow& window) {
    MenuCommand(window, Mode::Modify, false);
}

void DeleteObjectCommand(CMainWindow& window) {
    MenuCommand(window, Mode::Modify, true);
}

void ObjectsManagerCommand(CMainWindow& window) {
    const CGameRom& rom = window.Rom();
    const ViewState& view = rom.view;
    CObjectsManagerDlg dialog({rom.LevelObjectsLists(), rom.BonusObjectsLists(), view.bonusMode,
                               view.bonusMode ? view.currentBonusLevel : view.currentLevel, view.selectedList,
                               view.selectedIndex},
                              window.ObjectImages(), &window);
    const int result = dialog.exec();
    if (result == QDialog::Accepted) {
        window.ApplyChangeIf(Redraw::Level, [&](CGameRom& model) {
            model.view.selectedList = model.view.selectedIndex = -1;
            return model.StoreObjectsLists(dialog.LevelLists(), dialog.BonusLists());
        });
    } else if (result == CObjectsManagerDlg::kSelectObject) {
        bool selected = false;
        window.ChangeView(
            [&](CGameRom& model) { selected = CObjectEditing::Select(model, dialog.Chosen()); });
        if (selected) {
            CentreOnSelectedObject(window);
            ShowObjectStatus(window);
        }
    }
    window.Canvas()->setFocus();
}

} // namespace tikaroo
