#include "dialog_driver.h"
#include "dialogs/level_prop_dlg.h"
#include "sample_rom.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTest>

using namespace tikaroo;

namespace {

void Click(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
}

} // namespace

class LevelPropDlgTest : public QObject {
    Q_OBJECT
    CGameRom rom = test::OpenSample();

    std::unique_ptr<CLevelPropDlg> OpenDialog(const LevelSetSummary* summary = nullptr) {
        const auto properties = rom.GetLevelProperties();
        const auto sets = rom.CollectLevelSetSummary();
        const auto updaters = rom.PaletteUpdaterList();
        if (!properties || !sets || !updaters) return nullptr;
        auto dialog = std::make_unique<CLevelPropDlg>(*properties, summary ? *summary : *sets,
                                                      rom.paletteSets.size(), updaters->size());
        dialog->show();
        return dialog;
    }

private slots:
    void EditsGoToTheLevelAndTheTopsToTheSetItHadWhenOpened() {
        rom.view.currentLevel = 1;
        const Level before = rom.levels[1];
        const std::array<std::uint8_t, 4> oldTops = rom.levelSets.at(before.levelSet).tops;
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QCOMPARE(before.eggValues, 0x1B);
        Click(dialog->findChild<QCheckBox*>("egg0"));
        Click(dialog->findChild<QCheckBox*>("egg4"));
        for (int step = 0; step < 3; ++step)
            QTest::keyClick(dialog->findChild<QSpinBox*>("topOfFloor1"), Qt::Key_Down);
        QTest::keyClick(dialog->findChild<QSpinBox*>("topOfScreen4"), Qt::Key_Up);
        auto* levelSet = dialog->findChild<QComboBox*>("levelSet");
        QCOMPARE(levelSet->currentData().toInt(), before.levelSet);
        QTest::keyClick(levelSet, Qt::Key_Down);
        const int newSet = levelSet->currentData().toInt();
        QCOMPARE(levelSet->currentText(), QStringLiteral("Set #%1").arg(newSet + 1));
        QTest::keyClick(dialog->findChild<QComboBox*>("paletteSet"), Qt::Key_Down);
        auto* updater = dialog->findChild<QComboBox*>("paletteUpdater");
        QCOMPARE(updater->currentText(), QStringLiteral("Set #%1").arg(before.paletteUpdater + 1));
        QTest::keyClick(updater, Qt::Key_Home);
        QCOMPARE(updater->currentText(), QStringLiteral("Not used"));
        QTest::keyClick(updater, Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));

        QVERIFY(rom.SetLevelProperties(dialog->Properties()));
        const Level& after = rom.levels[1];
        QCOMPARE(after.eggValues, 0x93);
        QCOMPARE(after.levelSet, newSet);
        QCOMPARE(after.paletteSet, before.paletteSet + 1);
        QCOMPARE(after.paletteUpdater, kNoPaletteUpdater);
        std::array<std::uint8_t, 4> tops = oldTops;
        tops[0] = static_cast<std::uint8_t>((tops[0] & 0xF0) | ((tops[0] & 15) + 13) % 16);
        tops[3] = static_cast<std::uint8_t>(((tops[3] >> 4) + 1) % 16 << 4 | (tops[3] & 15));
        QCOMPARE(rom.levelSets.at(before.levelSet).tops, tops);
        QCOMPARE(rom.levelSets.at(static_cast<std::uint8_t>(newSet)).tops,
                 test::OpenSample().levelSets.at(static_cast<std::uint8_t>(newSet)).tops);
    }

    void WithNoSelectableLevelSetOkSaysSelectLevelSet() {
        LevelSetSummary onlyBossRooms{{0, {0, 0, true}}};
        auto dialog = OpenDialog(&onlyBossRooms);
        QVERIFY(dialog);
        QCOMPARE(dialog->findChild<QComboBox*>("levelSet")->count(), 0);
        QString text, caption;
        test::AnswerNextMessageBox(QMessageBox::Ok, &text, &caption);
        QTest::keyClick(dialog->findChild<QCheckBox*>("egg3"), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QCOMPARE(caption, QStringLiteral("Level properties"));
        QCOMPARE(text, QStringLiteral("Select level set"));
        QTest::keyClick(dialog->findChild<QCheckBox*>("egg3"), Qt::Key_Escape);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(LevelPropDlgTest)
#include "level_prop_dlg_test.moc"
