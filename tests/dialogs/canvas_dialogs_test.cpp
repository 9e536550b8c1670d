// The dialogs of room and object editing, driven with keys and the mouse.
#include "dialog_driver.h"
#include "dialogs/obj_list_selector_dlg.h"
#include "dialogs/obj_sel_dlg.h"
#include "dialogs/object_images.h"
#include "dialogs/object_settings_dlg.h"
#include "dialogs/objects_manager_dlg.h"
#include "dialogs/rooms_map_dlg.h"
#include "editor/nes_canvas.h"
#include "object_pictures/embedded_object_pictures.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
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
        QCOMPARE(stone.findChild<QLabel*>("textLine")->text(), QStringLiteral("Backward stone"));
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
        QCOMPARE(dialog.Entry().id, std::uint8_t{58});
        QCOMPARE(dialog.Entry().param1, std::uint8_t{0xFD});
        QCOMPARE(dialog.List(), std::uint8_t{2});
    }

    void TheChooserNeedsARow() {
        const std::vector<ObjectHit> hits = {{0, 3, {.id = 7}}, {2, 0, {.id = 60, .param1 = 0x21}}};
        CObjSelDlg dialog(hits, *images);
        dialog.show();
        auto* table = dialog.findChild<QTreeWidget*>("objects");
        QString message;
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        dialog.accept();
        QCOMPARE(message, QStringLiteral("Choose the object"));
        ClickItem(table, table->topLevelItem(1));
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Chosen(), std::size_t{1});
    }

    void TheManagerSortsByHeaderClicksAndCopiesABonusListWithItsX() {
        CObjectsManagerDlg::Input input{rom.LevelObjectsLists(), rom.BonusObjectsLists(), false, 4, 0, 2};
        CObjectsManagerDlg dialog(input, *images);
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
        QStringList xs;
        for (int i = 0; i < tree->topLevelItem(0)->childCount(); ++i)
            xs << tree->topLevelItem(0)->child(i)->text(1);
        QVERIFY(std::is_sorted(xs.rbegin(), xs.rend(),
                               [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); }));

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
};

QTEST_MAIN(CanvasDialogsTest)
#include "canvas_dialogs_test.moc"
