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
#include <QLineEdit>
#include <QSpinBox>

using namespace tikaroo;
using test::ClickBox;

namespace {

const GameSettings kSettingsToEdit{.speed = 24,
                                   .jump = 64,
                                   .holes = 1,
                                   .beginArea = 2,
                                   .beginRound = 1,
                                   .beginFrom = 2,
                                   .weapon = 1,
                                   .dropsCount = 3,
                                   .lives = 5};

} // namespace

class LevelDialogsTest : public QObject {
    Q_OBJECT
    const Bytes sample = sample::MakeSampleGame().file;
    test::TempDir dir;
    CGameRom rom;

    std::unique_ptr<CLevelPropDlg> OpenLevelPropDlg(const LevelSetSummary* summary = nullptr) {
        const auto properties = rom.GetLevelProperties();
        const auto sets = rom.CollectLevelSetSummary();
        const auto updaters = rom.PaletteUpdaterList();
        if (!properties || !sets || !updaters) return nullptr;
        auto dialog = std::make_unique<CLevelPropDlg>(*properties, summary ? *summary : *sets,
                                                      rom.paletteSets.size(), updaters->size());
        dialog->show();
        return dialog;
    }

    std::unique_ptr<CLevelSetEditorDlg> OpenLevelSetEditorDlg(CLevelSetEditorDlg::Mode mode) {
        const auto sets = rom.CollectLevelSetSummary();
        const auto level = rom.GetLevelProperties();
        if (!sets || !level) return nullptr;
        auto dialog =
            std::make_unique<CLevelSetEditorDlg>(mode, *sets, level->levelSet, *rom.ExpandGraphicSets());
        dialog->show();
        return dialog;
    }

    CBonusLevelSettingsDlg::MoveCheck LeavingLevel() {
        return [this](const BonusArea& area) {
            return FindObjectLeavingLevel(rom.bonusLevels, rom.bonusArea.beginFrom, area.beginFrom);
        };
    }

private slots:
    // Every test starts from the sample as opened.
    void init() {
        rom = CGameRom{};
        rom.LoadRom(dir.Write("sample.nes", sample));
    }

    void EditsGoToTheLevelAndTheTopsToTheSetItHadWhenOpened() {
        rom.view.currentLevel = 1;
        const Level before = rom.levels[1];
        const std::array<std::uint8_t, 4> oldTops = rom.levelSets.at(before.levelSet).tops;
        auto dialog = OpenLevelPropDlg();
        QVERIFY(dialog);
        QCOMPARE(before.eggValues, 0x1B);
        ClickBox(dialog->findChild<QCheckBox*>("egg0"));
        ClickBox(dialog->findChild<QCheckBox*>("egg4"));
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

        std::array<std::uint8_t, 4> tops = oldTops;
        tops[0] = static_cast<std::uint8_t>((tops[0] & 0xF0) | ((tops[0] & 15) + 13) % 16);
        tops[3] = static_cast<std::uint8_t>(((tops[3] >> 4) + 1) % 16 << 4 | (tops[3] & 15));
        const LevelProperties expected{0x93, static_cast<std::uint8_t>(newSet),
                                       static_cast<std::uint8_t>(before.paletteSet + 1), kNoPaletteUpdater,
                                       tops};
        QVERIFY(dialog->Properties() == expected);
        QVERIFY(rom.SetLevelProperties(dialog->Properties()));
        QCOMPARE(rom.levelSets.at(before.levelSet).tops, tops);
    }

    void WithNoSelectableLevelSetOkSaysSelectLevelSet() {
        LevelSetSummary onlyBossRooms{{0, {0, 0, true}}};
        auto dialog = OpenLevelPropDlg(&onlyBossRooms);
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

    void ModifyModeEditsEachChosenSetButNotItsGraphicSet() {
        rom.view.currentLevel = 0;
        const CGameRom before = rom;
        auto dialog = OpenLevelSetEditorDlg(CLevelSetEditorDlg::Mode::Modify);
        QVERIFY(dialog);
        QVERIFY(!dialog->findChild<QComboBox*>("graphicSet")->isEnabled());
        auto* levelSet = dialog->findChild<QComboBox*>("levelSet");
        auto* music = dialog->findChild<QComboBox*>("music");
        QCOMPARE(levelSet->currentText(), QStringLiteral("Set #1"));
        QCOMPARE(music->currentText(), QStringLiteral("#1"));
        QTest::keyClick(music, Qt::Key_Down);
        auto* seaLevel = dialog->findChild<QCheckBox*>("seaLevel");
        ClickBox(seaLevel);

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

    void CreateModeOffersThePresentGraphicSetsAndHandsBackTheNewSet() {
        rom.view.currentLevel = 5;
        auto dialog = OpenLevelSetEditorDlg(CLevelSetEditorDlg::Mode::Create);
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

    void SpinBoxesWrapAtTheEndsOfTheirRanges() {
        struct Range {
            const char* name;
            int minimum, maximum;
        };
        const Range ranges[] = {{"jump", 0, 127},       {"extraJump", 0, 127}, {"speed", 1, 117},
                                {"extraSpeed", 1, 117}, {"sbSpeed", 1, 117},   {"extraSbSpeed", 1, 117},
                                {"beginFrom", 1, 4},    {"dropsCount", 1, 10}, {"lives", 1, 9}};
        CGameSettingsDlg dialog(kSettingsToEdit);
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
        CGameSettingsDlg dialog(kSettingsToEdit);
        dialog.show();
        QCOMPARE(dialog.findChild<QSpinBox*>("beginFrom")->value(), 3);
        QCOMPARE(dialog.findChild<QComboBox*>("beginArea")->currentText(), QStringLiteral("3-2"));
        QTest::keyClick(dialog.findChild<QSpinBox*>("beginFrom"), Qt::Key_Up);
        QTest::keyClick(dialog.findChild<QComboBox*>("beginArea"), Qt::Key_Down);
        QTest::keyClick(dialog.findChild<QComboBox*>("weapon"), Qt::Key_Down);
        test::TypeNumber(dialog.findChild<QSpinBox*>("speed"), 117);
        test::TypeNumber(dialog.findChild<QSpinBox*>("jump"), 5);
        ClickBox(dialog.findChild<QCheckBox*>("holes"));
        ClickBox(dialog.findChild<QCheckBox*>("safeMode"));
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        // Typed, ticked and stepped; the rest as it came in.
        QVERIFY(dialog.Settings() == (GameSettings{.speed = 117,
                                                   .jump = 5,
                                                   .safeMode = 1,
                                                   .beginArea = 2,
                                                   .beginRound = 2,
                                                   .beginFrom = 3,
                                                   .weapon = 2,
                                                   .dropsCount = 3,
                                                   .lives = 5}));
    }

    void WithoutABeginAreaEntryTheStartStays() {
        GameSettings stored = kSettingsToEdit;
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

    void TheBonusAreaMustStayInSixtyFourRoomsAndKeepItsObjectsInTheLevel() {
        const QString tooLong =
            QStringLiteral("Level start (16 * Area) + Level length (Length) can't be more "
                           "than 64 rooms!");
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
            CBonusLevelSettingsDlg dialog(c.area, LeavingLevel());
            dialog.show();
            if (c.beginFrom > 0) {
                test::TypeNumber(dialog.findChild<QSpinBox*>("beginFrom"), c.beginFrom);
                test::TypeNumber(dialog.findChild<QSpinBox*>("length"), c.length);
            }
            QString text, caption;
            if (!c.refusal.isEmpty()) test::AnswerNextMessageBox(QMessageBox::Ok, &text, &caption);
            QWidget* focus = dialog.focusWidget();
            QTest::keyClick(focus != nullptr ? focus : dialog.findChild<QComboBox*>("area"), Qt::Key_Return);
            QCOMPARE(text, c.refusal);
            QCOMPARE(dialog.isVisible(), !c.refusal.isEmpty());
            if (c.refusal.isEmpty()) {
                QCOMPARE(dialog.Area().beginFrom, c.beginFrom - 1);
                QCOMPARE(dialog.Area().length, c.length);
            } else {
                QCOMPARE(caption, QStringLiteral("Bonus level area"));
                QCOMPARE(dialog.Area(), c.area);
            }
        }
    }

    void MovingTheStartFromOneToThreeMovesEveryBonusObjectBy4096() {
        CGameRom before = rom;
        QCOMPARE(rom.bonusArea.beginFrom, 1);
        CBonusLevelSettingsDlg dialog(rom.bonusArea, LeavingLevel());
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

QTEST_MAIN(LevelDialogsTest)
#include "level_dialogs_test.moc"
