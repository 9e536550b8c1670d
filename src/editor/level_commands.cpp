// Level settings, the level sets, game settings and the bonus level area.
#include "command_handlers.h"
#include "dialogs/bonus_level_settings_dlg.h"
#include "dialogs/game_settings_dlg.h"
#include "dialogs/level_prop_dlg.h"
#include "dialogs/level_set_editor_dlg.h"
#include "main_window.h"

namespace tikaroo {

namespace {

void EditLevelSets(CMainWindow& window, CLevelSetEditorDlg::Mode mode) {
    const CGameRom& rom = window.Rom();
    const auto levelSets = rom.CollectLevelSetSummary();
    const auto level = rom.GetLevelProperties();
    const auto graphicSets = rom.ExpandGraphicSets();
    if (!levelSets || !level || !graphicSets) return;
    CLevelSetEditorDlg dialog(mode, *levelSets, level->levelSet, *graphicSets, &window);
    if (dialog.exec() != QDialog::Accepted) return;
    window.ApplyChange(Redraw::Level, [&](CGameRom& model) {
        if (mode == CLevelSetEditorDlg::Mode::Create) {
            model.CreateLevelSet(dialog.NewSet().music, dialog.NewSet().attributes);
            return;
        }
        for (const auto& [id, set] : dialog.LevelSets()) model.UpdateLevelSet(id, set.music, set.attributes);
        // The level is drawn anew: no object stays selected.
        model.view.selectedList = -1;
        model.view.selectedIndex = -1;
    });
}

} // namespace

void LevelSettingsCommand(CMainWindow& window) {
    const CGameRom& rom = window.Rom();
    const auto properties = rom.GetLevelProperties();
    const auto levelSets = rom.CollectLevelSetSummary();
    const auto updaters = rom.PaletteUpdaterList();
    if (!properties || !levelSets || !updaters) return;
    CLevelPropDlg dialog(*properties, *levelSets, rom.paletteSets.size(), updaters->size(), &window);
    if (dialog.exec() != QDialog::Accepted) return;
    window.ApplyChange(Redraw::Level,
                       [&](CGameRom& model) { model.SetLevelProperties(dialog.Properties()); });
}

void CreateLevelSetCommand(CMainWindow& window) {
    EditLevelSets(window, CLevelSetEditorDlg::Mode::Create);
}

void ModifyLevelSetsCommand(CMainWindow& window) {
    EditLevelSets(window, CLevelSetEditorDlg::Mode::Modify);
}

void GameSettingsCommand(CMainWindow& window) {
    CGameSettingsDlg dialog(window.Rom().gameSettings, &window);
    if (dialog.exec() != QDialog::Accepted) return;
    window.ApplyChange(Redraw::Nothing, [&](CGameRom& model) { model.gameSettings = dialog.Settings(); });
}

void BonusAreaCommand(CMainWindow& window) {
    const CGameRom& rom = window.Rom();
    const auto leavingLevel = [&rom](const BonusArea& area) {
        return FindObjectLeavingLevel(rom.bonusLevels, rom.bonusArea.beginFrom, area.beginFrom);
    };
    CBonusLevelSettingsDlg dialog(rom.bonusArea, leavingLevel, &window);
    if (dialog.exec() != QDialog::Accepted) return;
    window.ApplyChange(Redraw::Nothing, [&](CGameRom& model) { model.SetBonusArea(dialog.Area()); });
}

} // namespace tikaroo
