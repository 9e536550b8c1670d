#include "dialog_driver.h"
#include "dialogs/level_prop_dlg.h"
#include "dialogs/level_set_editor_dlg.h"
#include "sample_rom.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace tikaroo;

class LevelSetEditorDlgTest : public QObject {
    Q_OBJECT
    CGameRom rom = test::OpenSample();

    std::unique_ptr<CLevelSetEditorDlg> OpenDialog(CLevelSetEditorDlg::Mode mode) {
        const auto sets = rom.CollectLevelSetSummary();
        const auto level = rom.GetLevelProperties();
        if (!sets || !level) return nullptr;
        auto dialog =
            std::make_unique<CLevelSetEditorDlg>(mode, *sets, level->levelSet, *rom.ExpandGraphicSets());
        dialog->show();
        return dialog;
    }

private slots:
    void ModifyModeEditsEachChosenSetButNotItsGraphicSet() {
        rom.view.currentLevel = 0;
        const CGameRom before = rom;
        auto dialog = OpenDialog(CLevelSetEditorDlg::Mode::Modify);
        QVERIFY(dialog);
        QVERIFY(!dialog->findChild<QComboBox*>("graphicSet")->isEnabled());
        auto* levelSet = dialog->findChild<QComboBox*>("levelSet");
        auto* music = dialog->findChild<QComboBox*>("music");
        QCOMPARE(levelSet->currentText(), QStringLiteral("Set #1"));
        QCOMPARE(music->currentText(), QStringLiteral("#1"));
        QTest::keyClick(music, Qt::Key_Down);
        auto* seaLevel = dialog->findChild<QCheckBox*>("seaLevel");
        QTest::mouseClick(seaLevel, Qt::LeftButton, {}, QPoint(4, seaLevel->height() / 2));

        QTest::keyClick(levelSet, Qt::Key_Down);
        QCOMPARE(music->currentText(), QStringLiteral("#2")); // set 1 plays music 1
        QCOMPARE(dialog->findChild<QComboBox*>("graphicSet")->currentText(), QStringLiteral("Set #2"));
        QTest::keyClick(dialog->findChild<QComboBox*>("bridges"), Qt::Key_Down);
        QTest::keyClick(levelSet, Qt::Key_Up);
        QCOMPARE(music->currentText(), QStringLiteral("#2"));
        QVERIFY(seaLevel->isChecked() != ((before.levelSets.at(0).attributes & 0x80) != 0));
        QTest::keyClick(levelSet, Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));

        for (const auto& [id, set] : dialog->LevelSets())
            QVERIFY(rom.UpdateLevelSet(id, set.music, set.attributes));
        QCOMPARE(rom.levelSets.at(0).music, 1);
        QCOMPARE(rom.levelSets.at(0).attributes, before.levelSets.at(0).attributes ^ 0x80);
        QCOMPARE(rom.levelSets.at(1).attributes, before.levelSets.at(1).attributes + 1);
        for (const auto& [id, set] : rom.levelSets) {
            QCOMPARE(set.GraphicSetId(), before.levelSets.at(id).GraphicSetId());
            if (id > 1) QCOMPARE(set.attributes, before.levelSets.at(id).attributes);
        }
    }

    void CreateModeMakesASetThatALevelCanThenBeGiven() {
        rom.view.currentLevel = 5;
        auto dialog = OpenDialog(CLevelSetEditorDlg::Mode::Create);
        QVERIFY(dialog);
        QCOMPARE(dialog->findChild<QLineEdit*>()->text(),
                 QStringLiteral("<NEW SET> Unused sets will be removed when saving ROM"));
        auto* graphicSet = dialog->findChild<QComboBox*>("graphicSet");
        QCOMPARE(graphicSet->count(), 3);
        QCOMPARE(graphicSet->currentText(), QStringLiteral("Set #1"));
        QTest::keyClick(graphicSet, Qt::Key_End);
        QTest::keyClick(dialog->findChild<QComboBox*>("music"), Qt::Key_End);
        auto* altPalette = dialog->findChild<QCheckBox*>("altObjectsPalette");
        altPalette->setFocus();
        QTest::keyClick(altPalette, Qt::Key_Space);
        QTest::keyClick(altPalette, Qt::Key_Enter);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->NewSet(), (LevelSetSummaryEntry{14, 0x28, false}));

        const std::optional<std::uint8_t> created =
            rom.CreateLevelSet(dialog->NewSet().music, dialog->NewSet().attributes);
        QVERIFY(created);
        CLevelPropDlg levelDialog(rom.GetLevelProperties().value(), rom.CollectLevelSetSummary().value(),
                                  rom.paletteSets.size(), rom.paletteUpdaters.size());
        levelDialog.show();
        auto* levelSet = levelDialog.findChild<QComboBox*>("levelSet");
        QTest::keyClick(levelSet, Qt::Key_End);
        QCOMPARE(levelSet->currentText(), QStringLiteral("Set #%1").arg(*created + 1));
        QTest::keyClick(levelSet, Qt::Key_Return);
        QVERIFY(rom.SetLevelProperties(levelDialog.Properties()));
        QCOMPARE(rom.levels[5].levelSet, *created);
    }

    void CreateModeWithEveryIdTakenSaysSo() {
        LevelSetSummary full;
        for (std::uint8_t id = 0; id < 255; ++id) full[id] = {};
        CLevelSetEditorDlg dialog(CLevelSetEditorDlg::Mode::Create, full, 0, *rom.ExpandGraphicSets());
        dialog.show();
        QString text, caption;
        test::AnswerNextMessageBox(QMessageBox::Ok, &text, &caption);
        QTest::keyClick(dialog.findChild<QComboBox*>("music"), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(caption, QStringLiteral("Level set editor"));
        QCOMPARE(text, QStringLiteral("Maximum count of level sets has been reached"));
    }
};

QTEST_MAIN(LevelSetEditorDlgTest)
#include "level_set_editor_dlg_test.moc"
