// Graphics sets: the graphics manager and what it hands back.
#include "command_handlers.h"
#include "dialogs/graphic_set_man_dlg.h"
#include "main_window.h"

namespace tikaroo {

void GraphicsSetsCommand(CMainWindow& window) {
    const CGameRom& rom = window.Rom();
    const std::optional<EditGraphicSets> sets = rom.ExpandGraphicSets();
    if (!sets) return;
    // The pictures start in the palette set of the level shown.
    CGraphicSetManDlg dialog(*sets, rom.paletteSets, rom.levels.at(rom.view.currentLevel).paletteSet,
                             &window);
    if (dialog.exec() != QDialog::Accepted) return;
    window.ApplyChange(Redraw::Level, [&dialog](CGameRom& model) { model.ApplyGraphicSets(dialog.Sets()); });
}

} // namespace tikaroo
