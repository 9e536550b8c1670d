// The dialogs that show their pictures on a canvas, driven with keys and the mouse: those of room and
// object editing, and the palette dialogs with their box grids.
#include "dialog_driver.h"
#include "dialogs/choose_color_dlg.h"
#include "dialogs/choose_number_dlg.h"
#include "dialogs/error_beep.h"
#include "dialogs/obj_list_selector_dlg.h"
#include "dialogs/obj_sel_dlg.h"
#include "dialogs/object_images.h"
#include "dialogs/object_settings_dlg.h"
#include "dialogs/objects_manager_dlg.h"
#include "dialogs/pal_editor_dlg.h"
#include "dialogs/pal_modifier_dlg.h"
#include "dialogs/pal_upd_editor_dlg.h"
#include "dialogs/rooms_map_dlg.h"
#include "editor/nes_canvas.h"
#include "object_pictures/embedded_object_pictures.h"
#include "render/palette_pictures.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QListWidget>
#include <QSpinBox>
#include <QTreeWidget>

#include <memory>

using namespace tikaroo;
using namespace tikaroo::test;

class CanvasDialogsTest : public QObject {
    Q_OBJECT
    MarkerSheetSet sheets;
    std::unique_ptr<CObjectImages> images;
    CGameRom rom;

private slots:
    void initTestCase() {
        sheets = BuildMarkerSheets(EmbeddedObjectPictures());
        images = std::make_unique<CObjectImages>(sheets);
        const TempDir dir;
        rom.LoadRom(dir.Write("sample.nes", sample::MakeSampleGame().file));
    }

    // A beetle packs its heights and sleeping; a stone cannot be confirmed.
    void ModifyingPacksABeetleAndRefusesAStone() {
        CObjectSettingsDlg dialog(CObjectSettingsDlg::Mode::Modify, 0, {.id = 56, .param1 = 0x6C}, *images);
        dialog.show();
        QVERIFY(!dialog.findChild<QComboBox*>("objectId")->isEnabled());
        TypeNumber(dialog.findChild<QSpinBox*>("beetleHeight"), 7);
        TypeNumber(dialog.findChild<QSpinBox*>("climbHeight"), 1);
        ClickBox(dialog.findChild<QCheckBox*>("sleeping"));
        QTest::keyClick(dialog.findChild<QSpinBox*>("climbHeight"), Qt::Key_Return);
        QCOMPARE(dialog.Entry(), (ObjectEntry{.id = 56, .param1 = 0xE6}));

        CObjectSettingsDlg stone(CObjectSettingsDlg::Mode::Modify, 0, {.id = 5, .x = 24}, *images);
        stone.show();
        QTest::keyClick(&stone, Qt::Key_Return);
        QVERIFY(stone.isVisible());
        QVERIFY(!stone.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
    }

    void InsertingFollowsTheIdWithItsListAndPacksABridge() {
        CObjectSettingsDlg dialog(CObjectSettingsDlg::Mode::Insert, 0, {.x = 8}, *images);
        dialog.show();
        auto* id = dialog.findChild<QComboBox*>("objectId");
        auto* list = dialog.findChild<QComboBox*>("list");
        for (const auto& [wanted, home] : {std::pair{18, 1}, {60, 2}, {7, 0}, {58, 2}}) {
            id->setFocus();
            while (id->currentIndex() + 1 < wanted) QTest::keyClick(id, Qt::Key_Down);
            while (id->currentIndex() + 1 > wanted) QTest::keyClick(id, Qt::Key_Up);
            QCOMPARE(list->currentIndex(), home);
        }
        TypeNumber(dialog.findChild<QSpinBox*>("topOfBridge"), -1);
        auto* handler = dialog.findChild<QComboBox*>("handler");
        handler->setFocus();
        for (int i = 0; i < 5; ++i) QTest::keyClick(handler, Qt::Key_Down);
        QTest::keyClick(handler, Qt::Key_Return);
        QCOMPARE(dialog.Entry(), (ObjectEntry{.id = 58, .x = 8, .param1 = 0xFD}));
        QCOMPARE(dialog.List(), std::uint8_t{2});
    }

    void TheObjectChooserNeedsARow() {
        const std::vector<ObjectHit> hits = {{0, 3, {.id = 7}}, {2, 0, {.id = 60, .param1 = 0x21}}};
        CObjSelDlg dialog(hits, *images);
        dialog.show();
        auto* table = dialog.findChild<QTreeWidget*>("objects");
        QCOMPARE(MessageOf([&dialog] { dialog.accept(); }), QStringLiteral("Choose the object"));
        ClickItem(table, table->topLevelItem(1));
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(dialog.Chosen(), std::size_t{1});
    }

    void TheManagerSortsByHeaderClicksAndCopiesABonusListWithItsX() {
        CObjectsManagerDlg dialog({rom.LevelObjectsLists(), rom.BonusObjectsLists(), false, 4, 0, 2},
                                  *images);
        dialog.show();
        auto* tree = dialog.findChild<QTreeWidget*>("objects");
        QCOMPARE(tree->currentItem()->parent(), tree->topLevelItem(0)); // the canvas's selection
        // Each row shows its object's picture, clear around it.
        const QImage icon = tree->currentItem()->icon(0).pixmap(64).toImage();
        QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(icon.pixelColor(icon.width() / 2, icon.height() / 2).alpha(), 255);
        // Sorted by x as numbers at first, so a click on its header turns it round.
        QHeaderView* header = tree->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        std::vector<int> xs;
        for (int i = 0; i < tree->topLevelItem(0)->childCount(); ++i)
            xs.push_back(tree->topLevelItem(0)->child(i)->text(1).toInt());
        QVERIFY(std::is_sorted(xs.rbegin(), xs.rend()));

        // List #2 of level 2-1 becomes a copy of list #1 of bonus 3.
        auto* list = dialog.findChild<QComboBox*>("list");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        OnNextModal<CObjListSelectorDlg>([](CObjListSelectorDlg* selector) {
            auto* area = selector->findChild<QComboBox*>("area");
            area->setFocus();
            QTest::keyClick(area, Qt::Key_End);
            for (int step = 0; step < 6; ++step) QTest::keyClick(area, Qt::Key_Up);
            QCOMPARE(area->currentText(), QStringLiteral("Bonus 3"));
            QTest::keyClick(area, Qt::Key_Return);
        });
        QTest::mouseClick(dialog.findChild<QPushButton*>("copyList"), Qt::LeftButton);
        QTest::keyClick(tree, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.LevelLists()[4][1], rom.bonusLevels[2].objectLists[0]);
        QCOMPARE(dialog.LevelLists()[4][0], rom.levels[4].objectLists[0]);
    }

    void TheRoomsMapStopsAtBothEnds() {
        const EditGraphicSet set = rom.ExpandGraphicSets()->at(0);
        const int rooms = static_cast<int>(set.rooms.size());
        CRoomsMapDlg dialog(set, rom.paletteSets, 0, static_cast<std::uint8_t>(rooms - 2));
        dialog.resize(128 * rooms + 200, 520); // room for a click beyond the last room
        dialog.show();
        auto* canvas = dialog.findChild<CNesCanvas*>();
        Keys(canvas, {Qt::Key_Right, Qt::Key_Right});
        QCOMPARE(canvas->Frame(), QRect(128 * (rooms - 1), 0, 128, 352));
        QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, QPoint(128 * rooms + 20, 10));
        QCOMPARE(int(dialog.Room()), rooms - 1);
        QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, QPoint(130, 10));
        Keys(canvas, {Qt::Key_Left, Qt::Key_Left});
        QCOMPARE(int(dialog.Room()), 0);
    }

    // The copy to another set is checked end to end in the window's tests; here its chooser refuses no
    // choice and leaves out the shown set.
    void ThePaletteEditorStepsPastesChoosesAndCopiesColours() {
        std::vector<PaletteSet> sets = rom.paletteSets;
        sets[0][1] = 0x3F;
        sets[0][2] = 0x00;
        CPalEditorDlg dialog(sets, 0, CPalEditorDlg::Mode::PaletteSets);
        dialog.show();
        CBoxGridCanvas* canvas = Canvas(&dialog);
        const int beeps = ErrorBeepCount();
        Keys(canvas, {Qt::Key_Plus, Qt::Key_Insert, Qt::Key_A});
        ClickButton(&dialog, "Select a color...");
        QCOMPARE(ErrorBeepCount(), beeps + 4);
        // Space before any copy leaves the colour; Ctrl+Space copies colour 2, Space pastes it in set 5.
        Keys(canvas, {Qt::Key_Right, Qt::Key_Space, Qt::Key_Plus, Qt::Key_Right, Qt::Key_Minus});
        QTest::keyClick(canvas, Qt::Key_Space, Qt::ControlModifier);
        dialog.findChild<QComboBox*>()->setCurrentIndex(5);
        Keys(canvas, {Qt::Key_Down, Qt::Key_Right, Qt::Key_Space});

        // The colour chooser starts on the colour, picks by mouse and arrows and changes it only on OK.
        ClickPicture(canvas, 7 + 33 * 3 + 4, 7 + 35 * 2 + 4); // colour 11
        OnNextModal<CChooseColorDlg>([&sets](CChooseColorDlg* chooser) {
            QCOMPARE(chooser->Colour(), sets[5][11]);
            ClickPicture(Canvas(chooser), 7 + 32 * 5 + 20, 7 + 5);
            Keys(Canvas(chooser), {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down});
            QTest::keyClick(Canvas(chooser), Qt::Key_Return);
        });
        QTest::keyClick(canvas, Qt::Key_Insert);
        OnNextModal<CChooseColorDlg>([](CChooseColorDlg* chooser) {
            ClickPicture(Canvas(chooser), 7, 7);
            QTest::keyClick(Canvas(chooser), Qt::Key_Escape);
        });
        ClickButton(&dialog, "Select a color...");

        QString message;
        OnNextModal<CChooseNumberDlg>([&message](CChooseNumberDlg* chooser) {
            auto* list = chooser->findChild<QListWidget*>();
            QVERIFY(list->findItems(QStringLiteral("#6"), Qt::MatchExactly).isEmpty());
            ClickItem(list, list->currentItem(), Qt::ControlModifier);
            message = MessageOf([list] { QTest::keyClick(list, Qt::Key_Return); });
            list->setCurrentItem(list->findItems(QStringLiteral("#8"), Qt::MatchExactly).front());
            QTest::keyClick(list, Qt::Key_Return);
        });
        ClickButton(&dialog, "->");
        QCOMPARE(message, QStringLiteral("Choose a valid value"));
        QTest::keyClick(canvas, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        std::vector<PaletteSet> expected = sets;
        expected[0][1] = 0x00;
        expected[0][2] = 0x3F;
        expected[5][7] = 0x3F;
        expected[5][11] = 0x16;
        expected[7] = expected[5];
        QCOMPARE(dialog.Palettes(), expected);
    }

    void AModifierWithEveryRowDeletedCannotBeConfirmed() {
        PaletteModifier modifier{.key = 5, .count = 2, .entries = {{0, 1, 2, 3}, {2, 4, 5, 6}}};
        CPalModifierDlg dialog(modifier);
        dialog.show();
        CBoxGridCanvas* canvas = Canvas(&dialog);
        Keys(canvas, {Qt::Key_Delete, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right});
        ClickButton(&dialog, "Delete attribute");
        QCOMPARE(MessageOf([canvas] { QTest::keyClick(canvas, Qt::Key_Return); }),
                 QStringLiteral("Cant insert NULL modifier. Please specify at least one attribute"));
        QVERIFY(dialog.isVisible());
        // A colour stepped into an unset row sets the row.
        Keys(canvas, {Qt::Key_Up, Qt::Key_Plus, Qt::Key_Return});
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Modifier().entries, (std::vector<PaletteAttribute>{{1, 0x00, 0x0F, 0x0F}}));
    }

    void ModifiersMadeInTheUpdaterEditorColourTheirRoomsAPasteReplacesAndUpdatersStopAt14() {
        CPalUpdEditorDlg dialog({PaletteUpdater{}}, kNoPaletteUpdater);
        dialog.show();
        CBoxGridCanvas* canvas = Canvas(&dialog);
        const auto clickRoom = [canvas](int room) {
            ClickPicture(canvas, kUpdaterRoomGrid.left + kUpdaterRoomGrid.stepX * room + 5, 10);
        };
        // Sets colour 1 of sub-palette 1 in the next modifier editor by `steps` presses of plus, then OK.
        const auto setNextModifier = [](int steps) {
            OnNextModal<CPalModifierDlg>([steps](CPalModifierDlg* editor) {
                Canvas(editor)->Select(5);
                for (int step = 0; step < steps; ++step) QTest::keyClick(Canvas(editor), Qt::Key_Plus);
                QTest::keyClick(Canvas(editor), Qt::Key_Return);
            });
        };
        clickRoom(3);
        setNextModifier(1);
        QTest::keyClick(canvas, Qt::Key_Insert);
        for (int step = 0; step < 7; ++step) QTest::keyClick(canvas, Qt::Key_Right);
        setNextModifier(2);
        ClickButton(&dialog, "Modifier...");
        const RoomEffects effects = UpdaterRoomEffects(dialog.Updaters()[0]);
        for (const auto& [room, colour] :
             {std::pair{2, kUnsetColour}, {3, 0x00}, {9, 0x00}, {10, 0x01}, {63, 0x01}})
            QCOMPARE(effects[room].colours[5], colour);

        clickRoom(3);
        QTest::keyClick(canvas, Qt::Key_Space, Qt::ControlModifier);
        clickRoom(10);
        QTest::keyClick(canvas, Qt::Key_Space);
        QCOMPARE(UpdaterRoomEffects(dialog.Updaters()[0])[10].colours[5], 0x00);

        // The paste replaced room 10's modifier: one is left after deleting it.
        QCOMPARE(MessageOf([canvas] { QTest::keyClick(canvas, Qt::Key_Delete); }, QMessageBox::Yes),
                 QStringLiteral("Do you want to delete this modifier?"));
        QCOMPARE(dialog.Updaters()[0].modifiers.size(), std::size_t{1});

        CPalUpdEditorDlg thirteen(std::vector<PaletteUpdater>(13), 20);
        thirteen.show();
        const auto add = [&thirteen] { ClickButton(&thirteen, "+"); };
        QVERIFY(MessageOf(add).startsWith(
            QStringLiteral("Added new copy of current palette updater with id #14.")));
        QCOMPARE(MessageOf(add), QStringLiteral("Maximum count of updaters has been reached"));
        QCOMPARE(thirteen.Updaters().size(), kMaxPaletteUpdaters);
        QCOMPARE(thirteen.findChild<QComboBox*>()->count(), 14);
    }
};

QTEST_MAIN(CanvasDialogsTest)
#include "canvas_dialogs_test.moc"
