// Palettes editor, Palettes updaters and Other palettes editor.
#include "command_handlers.h"
#include "dialogs/pal_editor_dlg.h"
#include "dialogs/pal_upd_editor_dlg.h"
#include "main_window.h"

#include <algorithm>

namespace tikaroo {

namespace {

// The level is drawn anew in its new colours; the object selection does not outlive that.
void ApplyLevelColours(CMainWindow& window, const std::function<void(CGameRom&)>& change) {
    window.ApplyChange(Redraw::Level, [&change](CGameRom& rom) {
        change(rom);
        rom.view.selectedList = rom.view.selectedIndex = -1;
    });
}

const Level& CurrentLevel(const CGameRom& rom) {
    return rom.levels.at(rom.view.currentLevel);
}

} // namespace

void PalettesEditorCommand(CMainWindow& window) {
    const CGameRom& rom = window.Rom();
    CPalEditorDlg dialog(rom.paletteSets, CurrentLevel(rom).paletteSet, CPalEditorDlg::Mode::PaletteSets,
                         &window);
    if (dialog.exec() != QDialog::Accepted) return;
    ApplyLevelColours(window, [&dialog](CGameRom& model) { model.SetPaletteSets(dialog.Palettes()); });
}

void PaletteUpdatersCommand(CMainWindow& window) {
    const CGameRom& rom = window.Rom();
    const std::optional<std::vector<PaletteUpdater>> updaters = rom.PaletteUpdaterList();
    if (!updaters) return;
    CPalUpdEditorDlg dialog(*updaters, CurrentLevel(rom).paletteUpdater, &window);
    if (dialog.exec() != QDialog::Accepted) return;
    ApplyLevelColours(window, [&dialog](CGameRom& model) { model.SetPaletteUpdaters(dialog.Updaters()); });
}

// The objects and end title palettes are not drawn on the canvas.
void OtherPalettesCommand(CMainWindow& window) {
    const std::optional<CGameRom::OtherPaletteList> palettes = window.Rom().GetOtherPalettes();
    if (!palettes) return;
    CPalEditorDlg dialog({palettes->begin(), palettes->end()}, 0, CPalEditorDlg::Mode::Others, &window);
    if (dialog.exec() != QDialog::Accepted) return;
    CGameRom::OtherPaletteList edited;
    std::copy_n(dialog.Palettes().begin(), edited.size(), edited.begin());
    window.ApplyChange(Redraw::Nothing, [&edited](CGameRom& model) { model.SetOtherPalettes(edited); });
}

} // namespace tikaroo
