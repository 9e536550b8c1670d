#include "dialog_driver.h"
#include "dialogs/bonus_level_settings_dlg.h"
#include "sample_rom.h"

#include <QComboBox>
#include <QSpinBox>
#include <QTest>

using namespace tikaroo;

class BonusLevelSettingsDlgTest : public QObject {
    Q_OBJECT
    CGameRom rom = test::OpenSample();

    CBonusLevelSettingsDlg::MoveCheck Check() {
        return [this](const BonusArea& area) {
            return FindObjectLeavingLevel(rom.bonusLevels, rom.bonusArea.beginFrom, area.beginFrom);
        };
    }

private slots:
    void BeginFromAndLengthMayFillButNotPassSixtyFourRooms() {
        struct Case {
            int beginFrom, length;
            bool accepted;
        };
        for (const Case& c : {Case{4, 16, true}, Case{4, 17, false}, Case{1, 64, true}}) {
            CBonusLevelSettingsDlg dialog(rom.bonusArea, Check());
            dialog.show();
            test::TypeNumber(dialog.findChild<QSpinBox*>("beginFrom"), c.beginFrom);
            test::TypeNumber(dialog.findChild<QSpinBox*>("length"), c.length);
            QString text, caption;
            if (!c.accepted) test::AnswerNextMessageBox(QMessageBox::Ok, &text, &caption);
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
            QCOMPARE(dialog.isVisible(), !c.accepted);
            if (c.accepted) {
                QCOMPARE(dialog.Area().beginFrom, c.beginFrom - 1);
                QCOMPARE(dialog.Area().length, c.length);
            } else {
                QCOMPARE(caption, QStringLiteral("Bonus level area"));
                QCOMPARE(text, QStringLiteral("Level start (16 * Area) + Level length (Length) can't "
                                              "be more than 64 rooms!"));
                QCOMPARE(dialog.Area(), rom.bonusArea);
            }
        }
    }

    void AreaListPicksTheLevel() {
        CBonusLevelSettingsDlg dialog(rom.bonusArea, Check());
        dialog.show();
        auto* area = dialog.findChild<QComboBox*>("area");
        QCOMPARE(area->currentText(), QStringLiteral("3-2"));
        QTest::keyClick(area, Qt::Key_Up);
        QTest::keyClick(area, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.Area(), (BonusArea{8, rom.bonusArea.beginFrom, rom.bonusArea.length}));
    }

    void AnAreaBeyondTheListIsRefused() {
        CBonusLevelSettingsDlg dialog({40, 0, 16}, Check());
        dialog.show();
        QCOMPARE(dialog.findChild<QComboBox*>("area")->currentIndex(), -1);
        QString text, caption;
        test::AnswerNextMessageBox(QMessageBox::Ok, &text, &caption);
        QTest::keyClick(dialog.findChild<QComboBox*>("area"), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(text, QStringLiteral("Please choose a valid area"));
    }

    void AMoveThatTakesAnObjectOutOfTheLevelIsRefused() {
        rom.bonusLevels[2].objectLists[1].push_back({.id = 0x21, .x = 8000});
        CBonusLevelSettingsDlg dialog(rom.bonusArea, Check());
        dialog.show();
        test::TypeNumber(dialog.findChild<QSpinBox*>("beginFrom"), 3);
        test::TypeNumber(dialog.findChild<QSpinBox*>("length"), 8);
        QString text, caption;
        test::AnswerNextMessageBox(QMessageBox::Ok, &text, &caption);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(text, QStringLiteral("Bonus 3: object 0x21 would move outside the level"));
        rom.bonusLevels[2].objectLists[1].pop_back();
    }

    void MovingTheStartFromOneToThreeMovesEveryBonusObjectBy4096() {
        CGameRom before = rom;
        QCOMPARE(rom.bonusArea.beginFrom, 1);
        CBonusLevelSettingsDlg dialog(rom.bonusArea, Check());
        dialog.show();
        auto* beginFrom = dialog.findChild<QSpinBox*>("beginFrom");
        beginFrom->setFocus();
        QTest::keyClick(beginFrom, Qt::Key_Up);
        QTest::keyClick(beginFrom, Qt::Key_Up);
        QTest::keyClick(beginFrom, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QVERIFY(rom.SetBonusArea(dialog.Area()));
        QCOMPARE(rom.bonusArea.beginFrom, 3);
        for (std::size_t bonus = 0; bonus < rom.bonusLevels.size(); ++bonus)
            for (std::size_t list = 0; list < kObjectsListCount; ++list)
                for (std::size_t i = 0; i < rom.bonusLevels[bonus].objectLists[list].size(); ++i)
                    QCOMPARE(rom.bonusLevels[bonus].objectLists[list][i].x,
                             before.bonusLevels[bonus].objectLists[list][i].x + 4096);
    }
};

QTEST_MAIN(BonusLevelSettingsDlgTest)
#include "bonus_level_settings_dlg_test.moc"
