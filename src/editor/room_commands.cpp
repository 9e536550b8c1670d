// The room keys of the canvas, Undo and Redo of room changes and the rooms map.
#include "command_handlers.h"
#include "dialogs/rooms_map_dlg.h"
#include "game/level_lookup.h"
#include "main_window.h"
#include "nes_canvas.h"

namespace tikaroo {

namespace {

void Restore(CMainWindow& window, bool redo) {
    std::optional<std::size_t> room;
    CRoomEditing& editing = window.RoomEditing();
    window.ApplyChangeIf(Redraw::Rooms, [&](CGameRom& rom) {
        room = redo ? editing.Redo(rom) : editing.Undo(rom);
        return room.has_value();
    });
    if (room) window.SelectRoom(static_cast<int>(*room), true);
    window.UpdateCommands();
}

} // namespace

void RoomKey(CMainWindow& window, int key, int delta, Qt::KeyboardModifiers modifiers) {
    const auto room = static_cast<std::size_t>(window.CurrentRoom());
    const std::optional<LevelRoom> fields =
        window.RoomEditing().FieldsForKey(window.Rom(), room, key, delta, modifiers);
    if (!fields) return;
    window.ApplyChangeIf(Redraw::Rooms,
                         [&](CGameRom& rom) { return window.RoomEditing().Store(rom, room, *fields); });
    window.UpdateCommands();
}

void UndoRoomCommand(CMainWindow& window) {
    Restore(window, false);
}

void RedoRoomCommand(CMainWindow& window) {
    Restore(window, true);
}

void RoomsMapCommand(CMainWindow& window) {
    const CGameRom& rom = window.Rom();
    const Level* level = ShownLevel(rom);
    const LevelSet* levelSet = level != nullptr ? LevelSetOf(rom, *level) : nullptr;
    const std::optional<EditGraphicSets> sets = rom.ExpandGraphicSets();
    if (levelSet == nullptr || !sets) return;
    const auto room = static_cast<std::size_t>(window.CurrentRoom());
    LevelRoom fields = rom.ReadRoom(room);
    CRoomsMapDlg dialog(sets->at(levelSet->GraphicSetId()), rom.paletteSets, level->paletteSet,
                        fields.setRoom, &window);
    if (dialog.exec() == QDialog::Accepted) {
        fields.setRoom = dialog.Room();
        window.ApplyChangeIf(
            Redraw::Rooms, [&](CGameRom& model) { return window.RoomEditing().Store(model, room, fields); });
        window.UpdateCommands();
    }
    window.Canvas()->setFocus();
}

} // namespace tikaroo
