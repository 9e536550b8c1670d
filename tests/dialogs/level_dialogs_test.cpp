// The level properties, level set, game settings and bonus area dialogs driven with keys and the mouse,
// on the sample game.
#include "dialog_driver.h"
#include "dialogs/bonus_level_settings_dlg.h"
#include "dialogs/game_settings_dlg.h"
#include "dialogs/level_prop_dlg.h"
#include "dialogs/level_set_editor_dlg.h"
#include "game/game_rom.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include <tuple>

using namespace tikaroo;
using test::ClickBox;

class LevelDialogsTest : public QObject {
    Q_OBJECT
    test::TempDir dir;
    const std::string samplePath = dir.Write("sample.nes", sample::MakeSampleGame().file);
    CGameRom rom;

private slots:
    // Every test starts from the sample as opened.
    void init() {
        rom = CGameRom{};
        rom.LoadRom(samplePath);
    }

    void EditsGoToTheLevelAndTheTopsStayThoseOfTheSetItHadWhenOpened() {
        rom.view.currentLevel = 1;
        rom.levels[1].paletteUpdater = 14; // an updater the game does not have
        const LevelProperties before = *rom.GetLevelProperties();
        CLevelPropDlg dialog(before, *rom.CollectLevelSetSummary(), rom.paletteSets.size(),
                             rom.PaletteUpdaterList()->size());
        dialog.show();
        for (const char* egg : {"egg0", "egg4"}) ClickBox(dialog.findChild<QCheckBox*>(egg));
        for (int step = 0; step < 3; ++step)
            QTest::keyClick(dialog.findChild<QSpinBox*>("topOfFloor1"), Qt::Key_Down);
        QTest::keyClick(dialog.findChild<QSpinBox*>("topOfScreen4"), Qt::Key_Up);
        auto* levelSet = dialog.findChild<QComboBox*>("levelSet");
        QTest::keyClick(levelSet, Qt::Key_Down);
        const int newSet = levelSet->currentData().toInt();
        QTest::keyClick(dialog.findChild<QComboBox*>("paletteSet"), Qt::Key_Down);
        QTest::keyClick(dialog.findChild<QComboBox*>("paletteUpdater"), Qt::Key_Return);

        LevelProperties expected = before;
        expected.eggValues ^= 0x88; // the first egg box is the top bit
        expected.levelSet = static_cast<std::uint8_t>(newSet);
        ++expected.paletteSet;
        expected.paletteUpdater = kNoPaletteUpdater;
        std::uint8_t& floor1 = expected.tops[0];
        floor1 = static_cast<std::uint8_t>((floor1 & 0xF0) | ((floor1 & 15) + 13) % 16);
        expected.tops[3] += 0x10; // the high nibble, wrapping
        QVERIFY(dialog.Properties() == expected);

        // With no set a level may take, OK asks for one; Esc leaves.
        CLevelPropDlg noSet(before, LevelSetSummary{{0, {0, 0, true}}}, 16, 0); // only boss rooms
        noSet.show();
        QString text, caption;
        test::AnswerNextMessageBox(QMessageBox::Ok, &text, &caption);
        QTest::keyClick(noSet.findChild<QCheckBox*>("egg3"), Qt::Key_Return);
        QCOMPARE(caption + ": " + text, QStringLiteral("Level properties: Select level set"));
        QTest::keyClick(noSet.findChild<QCheckBox*>("egg3"), Qt::Key_Escape);
        QCOMPARE(noSet.result(), int(QDialog::Rejected));
    }

    // In modify mode each set keeps its own edits while another is shown, and its graphic set cannot
    // change; a new set takes one of the graphic sets the game has, if an id is free.
    void TheLevelSetEditorModifiesEachChosenSetAndCreatesOne() {
        LevelSetSummary expected = *rom.CollectLevelSetSummary();
        const EditGraphicSets graphicSets = *rom.ExpandGraphicSets();
        CLevelSetEditorDlg modify(CLevelSetEditorDlg::Mode::Modify, expected, 0, graphicSets);
        modify.show();
        QVERIFY(!modify.findChild<QComboBox*>("graphicSet")->isEnabled());
        auto* levelSet = modify.findChild<QComboBox*>("levelSet");
        QTest::keyClick(modify.findChild<QComboBox*>("music"), Qt::Key_Down);
        ClickBox(modify.findChild<QCheckBox*>("seaLevel"));
        QTest::keyClick(levelSet, Qt::Key_Down);
        QTest::keyClick(modify.findChild<QComboBox*>("bridges"), Qt::Key_Down);
        QTest::keyClick(levelSet, Qt::Key_Up);
        QTest::keyClick(levelSet, Qt::Key_Return);
        QCOMPARE(modify.result(), int(QDialog::Accepted));
        ++expected[0].music;
        expected[0].attributes ^= 0x80;
        ++expected[1].attributes;
        QCOMPARE(modify.LevelSets(), expected);

        CLevelSetEditorDlg create(CLevelSetEditorDlg::Mode::Create, expected, 0, graphicSets);
        create.show();
        auto* graphicSet = create.findChild<QComboBox*>("graphicSet");
        QTest::keyClick(graphicSet, Qt::Key_End);
        QTest::keyClick(create.findChild<QComboBox*>("music"), Qt::Key_End);
        ClickBox(create.findChild<QCheckBox*>("altObjectsPalette"));
        QTest::keyClick(create.findChild<QCheckBox*>("altObjectsPalette"), Qt::Key_Enter);
        QCOMPARE(create.NewSet(), (LevelSetSummaryEntry{14, 0x28, false}));

        // With every id taken there is no new set to make.
        LevelSetSummary full;
        for (std::uint8_t id = 0; id < 255; ++id) full[id] = {};
        CLevelSetEditorDlg noRoom(CLevelSetEditorDlg::Mode::Create, full, 0, graphicSets);
        noRoom.show();
        QString text, caption;
        test::AnswerNextMessageBox(QMessageBox::Ok, &text, &caption);
        QTest::keyClick(noRoom.findChild<QComboBox*>("music"), Qt::Key_Return);
        QVERIFY(noRoom.isVisible());
        QCOMPARE(caption + ": " + text,
                 QStringLiteral("Level set editor: Maximum count of level sets has been reached"));
    }

    // Each spin box wraps at both ends of its range and is left at its maximum; "begin from" is shown
    // one more than it is stored. The sample starts at 1-1 with the first weapon.
    void GameSettingsWrapAndOkStoresEveryControl() {
        const std::tuple<const char*, int, int> ranges[] = {
            {"jump", 0, 127},       {"extraJump", 0, 127}, {"speed", 1, 117},
            {"extraSpeed", 1, 117}, {"sbSpeed", 1, 117},   {"extraSbSpeed", 1, 117},
            {"beginFrom", 1, 4},    {"dropsCount", 1, 10}, {"lives", 1, 9}};
        CGameSettingsDlg dialog(rom.gameSettings);
        dialog.show();
        QCOMPARE(dialog.findChild<QSpinBox*>("beginFrom")->value(), rom.gameSettings.beginFrom + 1);
        for (const auto& [name, minimum, maximum] : ranges) {
            auto* box = dialog.findChild<QSpinBox*>(name);
            test::TypeNumber(box, maximum);
            QTest::keyClick(box, Qt::Key_Up);
            QVERIFY2(box->value() == minimum, name);
            QTest::keyClick(box, Qt::Key_Down);
        }
        QTest::keyClick(dialog.findChild<QComboBox*>("beginArea"), Qt::Key_Down);
        QTest::keyClick(dialog.findChild<QComboBox*>("weapon"), Qt::Key_Down);
        for (const char* box : {"holes", "safeMode"}) ClickBox(dialog.findChild<QCheckBox*>(box));
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        // Speeds, jumps, safe mode, holes, skateboards, begin area, round and from, weapon, drops, lives.
        QVERIFY(dialog.Settings() ==
                (GameSettings{117, 117, 117, 117, 127, 127, 1, 0, 1, 0, 1, 3, 1, 10, 9}));

        // With no "Begin area" entry for the stored start, the start stays as it was.
        GameSettings stored = rom.gameSettings;
        stored.beginArea = 9;
        CGameSettingsDlg noArea(stored);
        noArea.show();
        QCOMPARE(noArea.findChild<QComboBox*>("beginArea")->currentIndex(), -1);
        QTest::keyClick(noArea.findChild<QSpinBox*>("beginFrom"), Qt::Key_Down);
        QTest::keyClick(noArea.findChild<QSpinBox*>("lives"), Qt::Key_Up);
        QTest::keyClick(noArea.findChild<QSpinBox*>("lives"), Qt::Key_Enter);
        ++stored.lives;
        QVERIFY(noArea.Settings() == stored);
    }

    // An accepted move of the start shifts every bonus object once applied: from 1 to 3 by 4096.
    void TheBonusAreaMustStayInSixtyFourRoomsAndKeepItsObjectsInTheLevel() {
        const QString tooLong =
            QStringLiteral("Level start (16 * Area) + Level length (Length) can't be more than 64 rooms!");
        struct Case {
            BonusArea area;
            int beginFrom, length; // typed; 0 types nothing
            bool farObject;        // an object near the level's end in bonus 3
            QString refusal;       // empty: accepted
        };
        const std::vector<Case> cases = {
            {rom.bonusArea, 4, 16, false, {}},
            {rom.bonusArea, 4, 17, false, tooLong},
            {rom.bonusArea, 1, 64, false, {}},
            {{40, 0, 16}, 0, 0, false, QStringLiteral("Please choose a valid area")},
            {rom.bonusArea, 3, 8, true, QStringLiteral("Bonus 3: object 0x21 would move outside the level")},
        };
        for (const Case& c : cases) {
            init();
            if (c.farObject) rom.bonusLevels[2].objectLists[1].push_back({.id = 0x21, .x = 8000});
            const CGameRom before = rom;
            CBonusLevelSettingsDlg dialog(c.area, [this](const BonusArea& area) {
                return FindObjectLeavingLevel(rom.bonusLevels, rom.bonusArea.beginFrom, area.beginFrom);
            });
            dialog.show();
            if (c.beginFrom > 0) {
                test::TypeNumber(dialog.findChild<QSpinBox*>("beginFrom"), c.beginFrom);
                test::TypeNumber(dialog.findChild<QSpinBox*>("length"), c.length);
            }
            QString text;
            if (!c.refusal.isEmpty()) test::AnswerNextMessageBox(QMessageBox::Ok, &text);
            QWidget* focus = dialog.focusWidget();
            QTest::keyClick(focus != nullptr ? focus : dialog.findChild<QComboBox*>("area"), Qt::Key_Return);
            QCOMPARE(text, c.refusal);
            QCOMPARE(dialog.isVisible(), !c.refusal.isEmpty());
            const BonusArea typed{c.area.area, std::uint8_t(c.beginFrom - 1), std::uint8_t(c.length)};
            QCOMPARE(dialog.Area(), c.refusal.isEmpty() ? typed : c.area);
            if (!c.refusal.isEmpty()) continue;
            QVERIFY(rom.SetBonusArea(dialog.Area()));
            const int shift = 16 * 128 * (c.beginFrom - 1 - before.bonusArea.beginFrom); // 16 rooms a step
            auto moved = before.bonusLevels;
            for (Level& level : moved)
                for (ObjectsList& list : level.objectLists)
                    for (ObjectEntry& object : list) object.x += shift;
            for (std::size_t bonus = 0; bonus < moved.size(); ++bonus)
                QVERIFY(rom.bonusLevels[bonus].objectLists == moved[bonus].objectLists);
        }
    }
};

QTEST_MAIN(LevelDialogsTest)
#include "level_dialogs_test.moc"
