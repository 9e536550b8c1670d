// The level, level set, game settings and bonus area commands end to end: edits made in the dialogs of
// the window reach the saved file, and nothing else changes.
#include "dialogs/bonus_level_settings_dlg.h"
#include "dialogs/dialog_driver.h"
#include "dialogs/game_settings_dlg.h"
#include "dialogs/level_prop_dlg.h"
#include "dialogs/level_set_editor_dlg.h"
#include "dump_differences.h"
#include "editor/main_window.h"
#include "editor/nes_canvas.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

using namespace tikaroo;
using test::CollectDifferences;
using test::DumpOf;
using test::Keys;
using test::OnNextModal;

namespace {

QImage CanvasPicture(CMainWindow& window) {
    return window.Canvas()->grab().toImage();
}

} // namespace

class LevelCommandsTest : public QObject {
    Q_OBJECT
    test::TempDir dir;

private slots:
    void EditsInTheDialogsReachTheSavedFileAndNothingElse() {
        const std::string samplePath = dir.Write("sample.nes", sample::MakeSampleGame().file);
        CGameRom unedited;
        unedited.LoadRom(samplePath);
        unedited.SaveRom(dir.Path("unedited.nes"));

        CMainWindow window;
        window.resize(900, 700);
        window.show();
        QVERIFY(window.OpenRom(QString::fromStdString(samplePath)));
        const QImage before = CanvasPicture(window);
        QVERIFY(!window.Modified());

        OnNextModal<CLevelPropDlg>([](CLevelPropDlg* dialog) {
            QTest::mouseClick(dialog->findChild<QCheckBox*>("egg0"), Qt::LeftButton, {}, QPoint(6, 6));
            Keys(dialog->findChild<QSpinBox*>("topOfScreen1"), {Qt::Key_Up});
            Keys(dialog->findChild<QComboBox*>("paletteSet"), {Qt::Key_Down});
            Keys(dialog->findChild<QComboBox*>("paletteUpdater"), {Qt::Key_Down, Qt::Key_Return});
        });
        window.Action(kCmdLevelSettings)->trigger();
        QVERIFY(CanvasPicture(window) != before); // drawn again in the level's new palettes
        QVERIFY(window.Modified());

        for (int created = 0; created < 2; ++created) {
            OnNextModal<CLevelSetEditorDlg>([](CLevelSetEditorDlg* dialog) {
                Keys(dialog->findChild<QComboBox*>("music"), {Qt::Key_End, Qt::Key_Return});
            });
            window.Action(kCmdCreateLevelSet)->trigger();
        }
        QCOMPARE(window.Rom().levelSets.size(), unedited.levelSets.size() + 2);

        window.ShowLevel({false, 1});
        OnNextModal<CLevelPropDlg>([](CLevelPropDlg* dialog) {
            // The first of the two new sets: the second is left to no level.
            Keys(dialog->findChild<QComboBox*>("levelSet"), {Qt::Key_End, Qt::Key_Up, Qt::Key_Return});
        });
        window.Action(kCmdLevelSettings)->trigger();

        OnNextModal<CGameSettingsDlg>([](CGameSettingsDlg* dialog) {
            Keys(dialog->findChild<QSpinBox*>("lives"), {Qt::Key_Up});
            Keys(dialog->findChild<QComboBox*>("weapon"), {Qt::Key_Down, Qt::Key_Return});
        });
        window.Action(kCmdGameSettings)->trigger();
        OnNextModal<CBonusLevelSettingsDlg>([](CBonusLevelSettingsDlg* dialog) {
            Keys(dialog->findChild<QComboBox*>("area"), {Qt::Key_Down});
            Keys(dialog->findChild<QSpinBox*>("beginFrom"), {Qt::Key_Up, Qt::Key_Return});
        });
        window.Action(kCmdBonusArea)->trigger();

        QVERIFY(window.SaveRomAs(QString::fromStdString(dir.Path("edited.nes"))));
        const QJsonObject edited = DumpOf(dir.Path("edited.nes"));
        QStringList differences;
        CollectDifferences(DumpOf(dir.Path("unedited.nes")), edited, "", differences);

        const auto newSet = QString::number(unedited.levelSets.size());
        QCOMPARE(edited["levels"][1]["levelSet"].toInteger(), qint64(unedited.levelSets.size()));
        QStringList expected = {".levels[0].eggValues", ".levels[0].paletteSet", ".levels[0].paletteUpdater",
                                ".levels[1].levelSet",  ".levelSets[0].tops[0]", ".levelSets[" + newSet + "]",
                                ".gameSettings.weapon", ".gameSettings.lives",   ".bonusArea.area",
                                ".bonusArea.beginFrom"};
        for (std::size_t bonus = 0; bonus < kBonusLevelCount; ++bonus)
            for (std::size_t list = 0; list < kObjectsListCount; ++list)
                for (std::size_t i = 0; i < unedited.bonusLevels[bonus].objectLists[list].size(); ++i)
                    expected << QStringLiteral(".bonusLevels[%1].objectLists[%2][%3].x")
                                    .arg(bonus)
                                    .arg(list)
                                    .arg(i);
        differences.sort();
        expected.sort();
        QCOMPARE(differences, expected);
    }
};

QTEST_MAIN(LevelCommandsTest)
#include "level_commands_test.moc"
