#include "dialog_driver.h"
#include "dialogs/game_settings_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTest>

using namespace tikaroo;

namespace {

GameSettings SomeSettings() {
    GameSettings settings;
    settings.speed = 24;
    settings.jump = 64;
    settings.holes = 1;
    settings.beginArea = 2;
    settings.beginRound = 1;
    settings.beginFrom = 2;
    settings.weapon = 1;
    settings.dropsCount = 3;
    settings.lives = 5;
    return settings;
}

} // namespace

class GameSettingsDlgTest : public QObject {
    Q_OBJECT
private slots:
    void SpinBoxesWrapAtTheEndsOfTheirRanges() {
        struct Range {
            const char* name;
            int minimum, maximum;
        };
        const Range ranges[] = {{"jump", 0, 127},       {"extraJump", 0, 127}, {"speed", 1, 117},
                                {"extraSpeed", 1, 117}, {"sbSpeed", 1, 117},   {"extraSbSpeed", 1, 117},
                                {"beginFrom", 1, 4},    {"dropsCount", 1, 10}, {"lives", 1, 9}};
        CGameSettingsDlg dialog(SomeSettings());
        dialog.show();
        for (const Range& range : ranges) {
            auto* box = dialog.findChild<QSpinBox*>(range.name);
            QVERIFY2(box, range.name);
            test::TypeNumber(box, range.maximum);
            QTest::keyClick(box, Qt::Key_Up);
            QVERIFY2(box->value() == range.minimum, range.name);
            QTest::keyClick(box, Qt::Key_Down);
            QVERIFY2(box->value() == range.maximum, range.name);
        }
    }

    void OkStoresEveryControlAndBeginFromMinusOne() {
        CGameSettingsDlg dialog(SomeSettings());
        dialog.show();
        QCOMPARE(dialog.findChild<QSpinBox*>("beginFrom")->value(), 3);
        QCOMPARE(dialog.findChild<QComboBox*>("beginArea")->currentText(), QStringLiteral("3-2"));
        QTest::keyClick(dialog.findChild<QSpinBox*>("beginFrom"), Qt::Key_Up);
        QTest::keyClick(dialog.findChild<QComboBox*>("beginArea"), Qt::Key_Down);
        QTest::keyClick(dialog.findChild<QComboBox*>("weapon"), Qt::Key_Down);
        test::TypeNumber(dialog.findChild<QSpinBox*>("speed"), 117);
        test::TypeNumber(dialog.findChild<QSpinBox*>("jump"), 5);
        auto* holes = dialog.findChild<QCheckBox*>("holes");
        auto* safeMode = dialog.findChild<QCheckBox*>("safeMode");
        QTest::mouseClick(holes, Qt::LeftButton, {}, QPoint(4, holes->height() / 2));
        QTest::mouseClick(safeMode, Qt::LeftButton, {}, QPoint(4, safeMode->height() / 2));
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        GameSettings expected = SomeSettings();
        expected.speed = 117;
        expected.jump = 5;
        expected.holes = 0;
        expected.safeMode = 1;
        expected.beginRound = 2;
        expected.beginFrom = 3;
        expected.weapon = 2;
        QVERIFY(dialog.Settings() == expected);
    }

    void WithoutABeginAreaEntryTheStartStays() {
        GameSettings stored = SomeSettings();
        stored.beginArea = 9; // no entry of the list shows it
        CGameSettingsDlg dialog(stored);
        dialog.show();
        QCOMPARE(dialog.findChild<QComboBox*>("beginArea")->currentIndex(), -1);
        QTest::keyClick(dialog.findChild<QSpinBox*>("beginFrom"), Qt::Key_Down);
        QTest::keyClick(dialog.findChild<QSpinBox*>("lives"), Qt::Key_Up);
        QTest::keyClick(dialog.findChild<QSpinBox*>("lives"), Qt::Key_Enter);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Settings().beginArea, 9);
        QCOMPARE(dialog.Settings().beginRound, stored.beginRound);
        QCOMPARE(dialog.Settings().beginFrom, stored.beginFrom);
        QCOMPARE(dialog.Settings().lives, 6);
    }

    void EscCancels() {
        CGameSettingsDlg dialog(SomeSettings());
        dialog.show();
        QTest::keyClick(dialog.findChild<QSpinBox*>("lives"), Qt::Key_Up);
        QTest::keyClick(dialog.findChild<QSpinBox*>("lives"), Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(GameSettingsDlgTest)
#include "game_settings_dlg_test.moc"
