#pragma once

#include "game/game_rom.h"

#include <QPoint>
#include <QString>

class QWidget;

namespace tikaroo {

class CObjectImages;

// Picking, dragging, inserting, duplicating, changing and deleting the objects of the shown level on
// the canvas, with the object dialogs and the messages on the way. The changes run on the window's
// change path; picks change only the view (selection and click point).
class CObjectEditing {
public:
    // Insert mode places new objects at the click point; modify mode works on the selected object.
    enum class Mode { Insert, Modify };
    enum class ClickResult {
        Missed,    // nothing under the point: it became the click point
        Picked,    // an object became the selection
        Cancelled, // the chooser of several objects was cancelled
    };

    CObjectEditing(const CObjectImages& objectImages, QWidget* parent)
        : images(objectImages), dialogParent(parent) {}

    ClickResult Click(CGameRom& rom, QPoint point);
    // Moves the selected object sideways under the mouse; true when it moved.
    bool Drag(CGameRom& rom, QPoint point) const;
    // Insert (or with `duplicate`, a copy of the selected object) at the click point in insert mode,
    // the settings of the selected object in modify mode; true when the objects changed.
    bool Insert(CGameRom& rom, bool duplicate) const;
    // Asks, then deletes the selected object; true when it did.
    bool Delete(CGameRom& rom) const;
    // Makes an object of the shown level the selection, as the objects manager hands it over; refused
    // when the object no longer stands there.
    static bool Select(CGameRom& rom, const ObjectHit& chosen);

    Mode CurrentMode() const { return mode; }
    void SetMode(Mode newMode) { mode = newMode; }
    // The status line of the selected object; empty without one.
    static QString StatusText(const CGameRom& rom);

private:
    void ShowError(const QString& text) const;

    const CObjectImages& images;
    QWidget* dialogParent;
    Mode mode = Mode::Insert;
};

} // namespace tikaroo
