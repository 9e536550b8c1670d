// The edit commands of the window end to end on the sample: levels, level sets, game settings and the
// bonus area; palettes; graphics sets. The real dialogs are driven by keys and the mouse, and the saved
// file differs from the unedited save in exactly the edited places.
#include "dialogs/bonus_level_settings_dlg.h"
#include "dialogs/game_settings_dlg.h"
#include "dialogs/graphic_set_editor_dlg.h"
#include "dialogs/graphic_set_man_dlg.h"
#include "dialogs/level_prop_dlg.h"
#include "dialogs/level_set_editor_dlg.h"
#include "dialogs/pal_editor_dlg.h"
#include "dialogs/pal_modifier_dlg.h"
#include "dialogs/pal_upd_editor_dlg.h"
#include "dialogs/tile_import_dlg.h"
#include "dialogs/tile_sheet_file.h"
#include "dump_differences.h"
#include "render/tile_sheet.h"
#include "support/tile_sheet_pictures.h"
#include "window_test.h"

using namespace tikaroo;
using namespace tikaroo::test;

namespace {

// What the canvas shows right of the first room, where the blinking frame stands.
QImage CanvasView(CMainWindow& window) {
    return window.Canvas()->viewport()->grab(QRect(128, 0, 600, 500)).toImage();
}

// In the open graphics manager: imports `sheet` into bank 1 with the proposed assignment.
void ImportIntoBankOne(CGraphicSetManDlg* manager, const QString& sheet) {
    auto* list = manager->findChild<QTreeWidget*>();
    ClickItem(list, list->topLevelItem(0));
    OnNextModal<QFileDialog>([sheet](QFileDialog* files) {
        files->selectFile(sheet);
        static_cast<QDialog*>(files)->accept();
        OnNextModal<CTileImportDlg>(
            [](CTileImportDlg* importer) { QTest::keyClick(importer, Qt::Key_Return); });
    });
    ClickButton(manager, "Import tiles...");
}

} // namespace

class CommandsTest : public WindowTest {
    Q_OBJECT
    QString sheetPath;
    CGameRom unedited; // the sample saved without edits and opened again

private slots:
    void initTestCase() {
        unedited.LoadRom(samplePath.toStdString());
        unedited.SaveRom(dir.Path("unedited.nes"));
        unedited.LoadRom(dir.Path("unedited.nes"));
        sheetPath = Path("sheet.png");
        QVERIFY(WritePngFile(DrawTileSheet(PatternedTiles(), kAscendingGreys), sheetPath));
    }
    void cleanup() { window.reset(); }

    void EditsInTheDialogsReachTheSavedFileAndNothingElse() {
        QVERIFY(Open(samplePath));
        const QImage before = CanvasView(*window);

        OnNextModal<CLevelPropDlg>([](CLevelPropDlg* dialog) {
            Keys(dialog->findChild<QSpinBox*>("topOfScreen1"), {Qt::Key_Up});
            Keys(dialog->findChild<QComboBox*>("paletteSet"), {Qt::Key_Down, Qt::Key_Return});
        });
        window->Action(kCmdLevelSettings)->trigger();
        QVERIFY(CanvasView(*window) != before); // drawn again in the level's new palettes

        OnNextModal<CLevelSetEditorDlg>([](CLevelSetEditorDlg* dialog) {
            Keys(dialog->findChild<QComboBox*>("music"), {Qt::Key_End, Qt::Key_Return});
        });
        window->Action(kCmdCreateLevelSet)->trigger();

        window->ShowLevel({false, 1});
        OnNextModal<CLevelPropDlg>([](CLevelPropDlg* dialog) {
            Keys(dialog->findChild<QComboBox*>("levelSet"), {Qt::Key_End, Qt::Key_Return}); // the new set
        });
        window->Action(kCmdLevelSettings)->trigger();

        OnNextModal<CGameSettingsDlg>([](CGameSettingsDlg* dialog) {
            Keys(dialog->findChild<QSpinBox*>("lives"), {Qt::Key_Up, Qt::Key_Return});
        });
        window->Action(kCmdGameSettings)->trigger();
        OnNextModal<CBonusLevelSettingsDlg>([](CBonusLevelSettingsDlg* dialog) {
            Keys(dialog->findChild<QComboBox*>("area"), {Qt::Key_Down, Qt::Key_Return});
        });
        window->Action(kCmdBonusArea)->trigger();

        QVERIFY(window->SaveRomAs(Path("edited.nes")));
        const auto newSet = QString::number(unedited.levelSets.size());
        QStringList expected = {".levels[0].paletteSet",      ".levels[1].levelSet", ".levelSets[0].tops[0]",
                                ".levelSets[" + newSet + "]", ".gameSettings.lives", ".bonusArea.area"};
        expected.sort();
        QCOMPARE(Differences(dir.Path("unedited.nes"), dir.Path("edited.nes")), expected);
    }

    void PaletteEditsReachTheSavedRomInExactlyTheirPlaces() {
        QVERIFY(Open(samplePath));
        const QImage shownBefore = CanvasView(*window);
        const std::size_t levelSet = window->Rom().levels[0].paletteSet;

        OnNextModal<CPalEditorDlg>([](CPalEditorDlg* editor) {
            CBoxGridCanvas* canvas = Canvas(editor);
            canvas->Select(1);
            Keys(canvas, {Qt::Key_Plus, Qt::Key_Return});
        });
        window->Action(kCmdPalettesEditor)->trigger();
        QVERIFY(CanvasView(*window) != shownBefore);

        OnNextModal<CPalEditorDlg>([](CPalEditorDlg* editor) {
            editor->findChild<QComboBox*>()->setCurrentIndex(1);
            Keys(Canvas(editor), {Qt::Key_Right, Qt::Key_Minus, Qt::Key_Return});
        });
        window->Action(kCmdOtherPalettes)->trigger();

        OnNextModal<CPalUpdEditorDlg>([](CPalUpdEditorDlg* editor) {
            CBoxGridCanvas* canvas = Canvas(editor);
            canvas->Select(60);
            OnNextModal<CPalModifierDlg>([](CPalModifierDlg* modifier) {
                Canvas(modifier)->Select(5);
                Keys(Canvas(modifier), {Qt::Key_Plus, Qt::Key_Return});
            });
            QTest::keyClick(canvas, Qt::Key_Insert);
            QTest::keyClick(canvas, Qt::Key_Return);
        });
        window->Action(kCmdPaletteUpdaters)->trigger();

        QVERIFY(window->SaveRomAs(Path("edited.nes")));

        QStringList expected = {QStringLiteral(".paletteSets[%1][1]").arg(levelSet)};
        // The shown updater is the last (level 1-1 names none); the new modifier comes last in it.
        const std::size_t shown = unedited.paletteUpdaters.size() - 1;
        const std::size_t added = unedited.paletteUpdaters.at(shown).modifiers.size();
        expected << QString::asprintf(".paletteUpdaters[%zu].modifiers[%zu]", shown, added)
                 << ".otherPalettes[17]";
        expected.sort();
        QCOMPARE(Differences(dir.Path("unedited.nes"), dir.Path("edited.nes")), expected);
    }

    // Cancel in the manager drops its imports; the dialogs confirmed hand their edits to the window, and the
    // save warns of a room that no level uses.
    void GraphicsEditsReachTheWindowOnlyThroughOk() {
        QVERIFY(Open(samplePath));
        const EditGraphicSets uneditedSets = *window->Rom().ExpandGraphicSets();
        OnNextModal<CGraphicSetManDlg>([this](CGraphicSetManDlg* manager) {
            ImportIntoBankOne(manager, sheetPath);
            QTest::keyClick(manager, Qt::Key_Escape);
        });
        QTest::keyClick(window.get(), Qt::Key_J, Qt::ControlModifier);
        QCOMPARE(*window->Rom().ExpandGraphicSets(), uneditedSets);
        QVERIFY(!window->Modified());

        QVERIFY(Activate());
        OnNextModal<CGraphicSetManDlg>([this](CGraphicSetManDlg* manager) {
            ImportIntoBankOne(manager, sheetPath);
            OnNextModal<CGraphicSetEditorDlg>([](CGraphicSetEditorDlg* editor) {
                // A room that no level uses yet.
                ClickButton(editor, "+");
                QTest::keyClick(KeyCanvas(editor), Qt::Key_Return);
            });
            ClickButton(manager, "Set editor...");
            QTest::keyClick(manager, Qt::Key_Return);
        });
        QTest::keyClick(window.get(), Qt::Key_J, Qt::ControlModifier);
        const EditGraphicSet edited = window->Rom().ExpandGraphicSets()->at(0);
        QCOMPARE(edited.tiles, PatternedTiles());

        QString message;
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        QVERIFY(window->SaveRomAs(Path("edited.nes")));
        QCOMPARE(message,
                 QStringLiteral("Graphic set #1: room #%1 is saved, but no level uses it; it will be gone "
                                "when the ROM is opened again.")
                     .arg(edited.rooms.size()));
    }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
