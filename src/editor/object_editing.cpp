#include "object_editing.h"

#include "dialogs/obj_sel_dlg.h"
#include "dialogs/object_settings_dlg.h"
#include "game/object_params.h"
#include "status_texts.h"

#include <QMessageBox>

#include <algorithm>

namespace tikaroo {

namespace {
constexpr int kPositionUnit = 8;

int RoundDown(int value) {
    return value / kPositionUnit * kPositionUnit;
}
} // namespace

CObjectEditing::ClickResult CObjectEditing::Click(CGameRom& rom, QPoint point) {
    const std::vector<ObjectHit> hits = rom.FindObjectsAt(point.x(), point.y());
    if (hits.empty()) {
        if (point.x() >= 0 && point.y() >= 0) {
            mode = Mode::Insert;
            rom.view.clickX = RoundDown(point.x());
            rom.view.clickY = RoundDown(point.y());
        }
        return ClickResult::Missed;
    }
    std::size_t chosen = 0;
    if (hits.size() > 1) {
        CObjSelDlg chooser(hits, images, dialogParent);
        if (chooser.exec() != QDialog::Accepted) return ClickResult::Cancelled;
        chosen = chooser.Chosen();
    }
    const ObjectHit& hit = hits[chosen];
    rom.SelectObject(hit.list, hit.index);
    mode = Mode::Modify;
    // The click point moves onto the object: its canvas x (the level x less the bonus area's start).
    rom.view.clickX = static_cast<int>(hit.entry.x - rom.ObjectsOrigin());
    rom.view.clickY = RoundDown(point.y());
    return ClickResult::Picked;
}

bool CObjectEditing::Drag(CGameRom& rom, QPoint point) const {
    return mode == Mode::Modify && rom.MoveSelectedObject(point.x());
}

bool CObjectEditing::Insert(CGameRom& rom, bool duplicate) const {
    if (duplicate && rom.SelectedObject() != nullptr) return rom.DuplicateSelectedObject(rom.view.clickX);
    if (mode == Mode::Modify) {
        const ObjectEntry* selected = rom.SelectedObject();
        if (selected == nullptr) return false;
        if (selected->id < kFirstObjectWithParam1 && ParamKindOf(selected->id) != ObjectParamKind::Stone) {
            ShowError(QStringLiteral("This object does not have any editable parameters"));
            return false;
        }
        CObjectSettingsDlg dialog(CObjectSettingsDlg::Mode::Modify,
                                  static_cast<std::uint8_t>(rom.view.selectedList), *selected, images,
                                  dialogParent);
        if (dialog.exec() != QDialog::Accepted) return false;
        return rom.SetSelectedObjectParams(dialog.Entry().param1, dialog.Entry().param2);
    }
    ObjectEntry fresh;
    fresh.x = static_cast<std::uint32_t>(std::max(rom.view.clickX, 0));
    CObjectSettingsDlg dialog(CObjectSettingsDlg::Mode::Insert, 0, fresh, images, dialogParent);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (!rom.InsertObject(dialog.List(), dialog.Entry(), rom.view.clickX)) {
        ShowError(
            QStringLiteral("Insert object failed. It is possible that an another object already exists in "
                           "this position in selected list.\nTry to select another list."));
        return false;
    }
    return true;
}

bool CObjectEditing::Delete(CGameRom& rom) const {
    const auto answer =
        QMessageBox::question(dialogParent, QString::fromLatin1(kProgramTitle),
                              QStringLiteral("Are you sure that you want to delete selected object?"),
                              QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) return false;
    if (!rom.DeleteSelectedObject()) {
        ShowError(QStringLiteral("No any object was selected"));
        return false;
    }
    return true;
}

bool CObjectEditing::Select(CGameRom& rom, const ObjectHit& chosen) {
    // The manager's lists are a copy: the object must still stand there in the model.
    const ViewState before = rom.view;
    if (!rom.SelectObject(chosen.list, chosen.index) || !(*rom.SelectedObject() == chosen.entry)) {
        rom.view = before;
        return false;
    }
    return true;
}

QString CObjectEditing::StatusText(const CGameRom& rom) {
    const ObjectEntry* selected = rom.SelectedObject();
    return selected != nullptr ? ObjectStatusText(*selected, rom.view.selectedList) : QString();
}

void CObjectEditing::ShowError(const QString& text) const {
    QMessageBox::critical(dialogParent, QString::fromLatin1(kProgramTitle), text);
}

} // namespace tikaroo
