// The palette commands of the main window, end to end on the sample game.
#include "dialogs/choose_number_dlg.h"
#include "dialogs/dialog_driver.h"
#include "dialogs/pal_editor_dlg.h"
#include "dialogs/pal_modifier_dlg.h"
#include "dialogs/pal_upd_editor_dlg.h"
#include "dump_differences.h"
#include "editor/main_window.h"
#include "render/level_renderer.h"
#include "render/nes_colors.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>

using namespace tikaroo;
using namespace tikaroo::test;

namespace {

CGameRom Reopen(const std::string& path) {
    CGameRom rom;
    rom.LoadRom(path);
    return rom;
}

// What the canvas shows right of the first room, where the blinking frame stands.
QImage CanvasView(CMainWindow& window) {
    return window.Canvas()->viewport()->grab(QRect(128, 0, 600, 500)).toImage();
}

PictureBuffer LevelPicture(CGameRom& rom) {
    CLevelRenderer renderer;
    renderer.PrepareLevel(rom, rom);
    return renderer.LevelPicture();
}

} // namespace

class PaletteCommandsTest : public QObject {
    Q_OBJECT
    TempDir dir;

private slots:
    void PaletteEditsReachTheSavedRomInExactlyTheirPlaces() {
        const std::string original = dir.Write("sample.nes", sample::MakeSampleGame().file);
        CGameRom unedited = Reopen(original);
        unedited.SaveRom(dir.Path("unedited.nes"));
        CGameRom before = Reopen(dir.Path("unedited.nes"));

        CMainWindow window;
        window.resize(1200, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.OpenRom(QString::fromStdString(original)));
        const QImage shownBefore = CanvasView(window);
        const std::size_t levelSet = window.Rom().levels[0].paletteSet;
        // Colour 1 of sub-palette 0: the ground of level 1-1.
        const std::uint8_t oldColour = before.paletteSets[levelSet][1];

        OnNextModal<CPalEditorDlg>([](CPalEditorDlg* editor) {
            CBoxGridCanvas* canvas = Canvas(editor);
            canvas->Select(1);
            QTest::keyClick(canvas, Qt::Key_Plus);
            editor->findChild<QComboBox*>()->setCurrentIndex(3);
            OnNextModal<CChooseNumberDlg>([](CChooseNumberDlg* chooser) {
                auto* list = chooser->findChild<QListWidget*>();
                list->setCurrentItem(list->findItems(QStringLiteral("#8"), Qt::MatchExactly).front());
                QTest::keyClick(list, Qt::Key_Return);
            });
            QTest::mouseClick(Button(editor, QStringLiteral("->")), Qt::LeftButton);
            QTest::keyClick(canvas, Qt::Key_Return);
        });
        window.Action(kCmdPalettesEditor)->trigger();
        QVERIFY(CanvasView(window) != shownBefore);
        QVERIFY(window.Modified());

        OnNextModal<CPalEditorDlg>([](CPalEditorDlg* editor) {
            editor->findChild<QComboBox*>()->setCurrentIndex(1);
            Keys(Canvas(editor), {Qt::Key_Right, Qt::Key_Minus, Qt::Key_Return});
        });
        const QImage shownWithNewColours = CanvasView(window);
        window.Action(kCmdOtherPalettes)->trigger();
        QCOMPARE(CanvasView(window), shownWithNewColours);

        OnNextModal<CPalUpdEditorDlg>([](CPalUpdEditorDlg* editor) {
            QString message;
            AnswerNextMessageBox(QMessageBox::Ok, &message);
            QTest::mouseClick(Button(editor, QStringLiteral("+")), Qt::LeftButton);
            CBoxGridCanvas* canvas = Canvas(editor);
            canvas->Select(60);
            OnNextModal<CPalModifierDlg>([](CPalModifierDlg* modifier) {
                Canvas(modifier)->Select(5);
                Keys(Canvas(modifier), {Qt::Key_Plus, Qt::Key_Return});
            });
            QTest::keyClick(canvas, Qt::Key_Insert);
            QTest::keyClick(canvas, Qt::Key_Return);
        });
        window.Action(kCmdPaletteUpdaters)->trigger();

        QVERIFY(window.SaveRomAs(QString::fromStdString(dir.Path("edited.nes"))));
        CGameRom after = Reopen(dir.Path("edited.nes"));

        QStringList expected = {QStringLiteral(".paletteSets[%1][1]").arg(levelSet)};
        for (std::size_t entry = 0; entry < kPaletteColours; ++entry)
            if (before.paletteSets[3][entry] != before.paletteSets[7][entry])
                expected << QStringLiteral(".paletteSets[7][%1]").arg(entry);
        // The shown updater is the last (level 1-1 names none); the new modifier comes last in it.
        const std::size_t shown = before.paletteUpdaters.size() - 1;
        expected << QStringLiteral(".paletteUpdaters[%1].modifiers[%2]")
                        .arg(shown)
                        .arg(before.paletteUpdaters.at(shown).modifiers.size());
        expected << QStringLiteral(".otherPalettes[17]");
        QStringList differences;
        CollectDifferences(DumpOf(dir.Path("unedited.nes")), DumpOf(dir.Path("edited.nes")), "", differences);
        differences.sort();
        expected.sort();
        QCOMPARE(differences, expected);
        // The copy no level names is dropped by the save.
        QCOMPARE(after.paletteUpdaters.size(), before.paletteUpdaters.size());

        const PictureBuffer oldPicture = LevelPicture(before);
        const PictureBuffer newPicture = LevelPicture(after);
        int changed = 0;
        for (std::int32_t y = 0; y < oldPicture.Height(); ++y)
            for (std::int32_t x = 0; x < oldPicture.Width(); ++x)
                if (oldPicture.Pixel(x, y) != newPicture.Pixel(x, y)) {
                    ++changed;
                    QCOMPARE(oldPicture.Pixel(x, y), NesColour(oldColour));
                    QCOMPARE(newPicture.Pixel(x, y), NesColour(static_cast<std::uint8_t>(oldColour + 1)));
                }
        QVERIFY(changed > 0);
    }
};

QTEST_MAIN(PaletteCommandsTest)
#include "palette_commands_test.moc"
