// Editing the sample in the real window: rooms and objects on the canvas, the objects manager and the edit
// dialogs, driven by keys and the mouse; the saved file differs from the unedited save in exactly the edits.
#include "dialogs/bonus_level_settings_dlg.h"
#include "dialogs/game_settings_dlg.h"
#include "dialogs/graphic_set_editor_dlg.h"
#include "dialogs/graphic_set_man_dlg.h"
#include "dialogs/level_prop_dlg.h"
#include "dialogs/level_set_editor_dlg.h"
#include "dialogs/obj_sel_dlg.h"
#include "dialogs/object_settings_dlg.h"
#include "dialogs/objects_manager_dlg.h"
#include "dialogs/pal_editor_dlg.h"
#include "dialogs/pal_modifier_dlg.h"
#include "dialogs/pal_upd_editor_dlg.h"
#include "dialogs/rooms_map_dlg.h"
#include "dialogs/tile_import_dlg.h"
#include "dialogs/tile_sheet_file.h"
#include "dump_differences.h"
#include "game/level_lookup.h"
#include "render/tile_sheet.h"
#include "support/tile_sheet_pictures.h"
#include "window_test.h"

#include <QMouseEvent>

#include <algorithm>
#include <cstdlib>

using namespace tikaroo;
using namespace tikaroo::test;

namespace {

struct FieldKeys {
    Qt::Key up;
    Qt::Key down;
    std::uint8_t LevelRoom::*field;
    int top;
};

// The keys of each room field of the shown level, and the field's highest value. The set room steps
// with the plus and minus keys shifted or not.
std::vector<FieldKeys> RoomKeys(const CGameRom& rom) {
    const LevelSet* levelSet = LevelSetOf(rom, *ShownLevel(rom));
    const int top = static_cast<int>(rom.graphicSets.at(levelSet->GraphicSetId()).rooms.size()) - 1;
    return {
        {Qt::Key_Plus, Qt::Key_Minus, &LevelRoom::setRoom, top},
        {Qt::Key_Equal, Qt::Key_Underscore, &LevelRoom::setRoom, top},
        {Qt::Key_Q, Qt::Key_A, &LevelRoom::floorGeom, 15},
        {Qt::Key_W, Qt::Key_S, &LevelRoom::scroll, 2},
        {Qt::Key_E, Qt::Key_D, &LevelRoom::background, 6},
        {Qt::Key_R, Qt::Key_F, &LevelRoom::floorShift, 7},
        {Qt::Key_T, Qt::Key_G, &LevelRoom::slideFloor, 3},
        {Qt::Key_Y, Qt::Key_H, &LevelRoom::fruitsHeight, 15},
    };
}

// Brings picture point `point` into the view and gives where it is on the viewport.
QPoint InView(CNesCanvas* canvas, QPoint point) {
    canvas->horizontalScrollBar()->setValue(point.x() - 200);
    canvas->verticalScrollBar()->setValue(point.y() - 200);
    return point - QPoint(canvas->horizontalScrollBar()->value(), canvas->verticalScrollBar()->value());
}

void ClickOnPicture(CNesCanvas* canvas, QPoint point) {
    QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, InView(canvas, point));
}

// Presses on `from`, moves `dx` pixels right in two steps with the button held, and lets go.
void DragPicture(CNesCanvas* canvas, QPoint from, int dx) {
    const QPoint start = InView(canvas, from);
    QWidget* viewport = canvas->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    for (const QPoint at : {start + QPoint(dx / 2, 0), start + QPoint(dx, 0)}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), viewport->mapToGlobal(QPointF(at)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, start + QPoint(dx, 0));
}

// Clicks `button` on the message box showing `text` (any box for an empty text) as soon as it is shown.
void AnswerBox(const QString& text, QMessageBox::StandardButton button) {
    QTimer::singleShot(10, [text, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || (!text.isEmpty() && box->text() != text)) return AnswerBox(text, button);
        box->button(button)->click();
    });
}

void ChooseIdInNextSettings(int id) {
    OnNextModal<CObjectSettingsDlg>([id](CObjectSettingsDlg* dialog) {
        auto* box = dialog->findChild<QComboBox*>("objectId");
        while (box->currentIndex() + 1 < id) QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_Return);
    });
}

// What the canvas shows right of the first room, where the blinking frame stands.
QImage CanvasView(CMainWindow& window) {
    return window.Canvas()->viewport()->grab(QRect(128, 0, 600, 500)).toImage();
}

// In the open graphics manager: imports `sheet` into bank 1 with the proposed assignment.
void ImportIntoBankOne(CGraphicSetManDlg* manager, const QString& sheet) {
    auto* list = manager->findChild<QTreeWidget*>();
    ClickItem(list, list->topLevelItem(0));
    ChooseFile(sheet, [] {
        OnNextModal<CTileImportDlg>(
            [](CTileImportDlg* importer) { QTest::keyClick(importer, Qt::Key_Return); });
    });
    ClickButton(manager, "Import tiles...");
}

} // namespace

class EditingTest : public WindowTest {
    Q_OBJECT
    const QString sheetPath = Path("sheet.png");
    CGameRom unedited; // the sample saved without edits and opened again

    const CGameRom& Rom() const { return window->Rom(); }
    CNesCanvas* Canvas() const { return window->Canvas(); }
    const ObjectsList& List(std::size_t list) const { return ObjectsLevel(Rom())->objectLists[list]; }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(Canvas(), key, modifiers); }
    // Presses a shortcut of the window and runs `act` on the dialog it opens.
    template <typename Dialog, typename Act>
    void Accelerator(QKeyCombination keys, Act act) {
        QVERIFY(Activate());
        OnNextModal<Dialog>(act);
        QTest::keyClick(window.get(), keys.key(), keys.keyboardModifiers());
    }
    void GoToRoom(int room) {
        while (window->CurrentRoom() > room) Key(Qt::Key_Left);
        while (window->CurrentRoom() < room) Key(Qt::Key_Right);
    }
    // Runs `command` and types into the named fields of the `Dialog` it opens, one field after another.
    template <typename Dialog>
    void TypeInto(CommandId command,
                  const std::vector<std::pair<const char*, std::vector<Qt::Key>>>& fields) {
        OnNextModal<Dialog>([fields](QWidget* dialog) {
            for (const auto& [name, keys] : fields)
                for (const Qt::Key key : keys) QTest::keyClick(dialog->findChild<QWidget*>(name), key);
        });
        window->Action(command)->trigger();
    }
    // Saves the window's ROM, which must differ from the saved `reference` exactly at `differences`.
    void ExpectSaved(const std::string& reference, QStringList differences) {
        QVERIFY(window->SaveRomAs(Path("edited.nes")));
        differences.sort();
        QCOMPARE(Differences(dir.Path(reference), dir.Path("edited.nes")), differences);
    }

private slots:
    void initTestCase() {
        unedited.LoadRom(samplePath.toStdString());
        unedited.SaveRom(dir.Path("unedited.nes"));
        unedited.LoadRom(dir.Path("unedited.nes"));
        QVERIFY(WritePngFile(DrawTileSheet(PatternedTiles(), kAscendingGreys), sheetPath));
    }
    void init() {
        QVERIFY(Open(samplePath));
        Canvas()->setFocus();
    }

    void cleanup() { window.reset(); }

    void RoomFieldsWrapUndoKeepsAHundredAndClicksPickObjects() {
        GoToRoom(3);
        for (const FieldKeys& k : RoomKeys(Rom())) {
            const int start = Rom().ReadRoom(3).*k.field;
            for (int step = 0; step <= start; ++step) Key(k.down);
            QCOMPARE(int(Rom().ReadRoom(3).*k.field), k.top);
            Key(k.up);
            QCOMPARE(int(Rom().ReadRoom(3).*k.field), 0);
        }
        QVERIFY(window->StatusText(1).contains(QStringLiteral("Room[4]: 1(+/-), Floor geom(Q+/A-): 0")));

        // Undo keeps a hundred changes; redo lasts until the next change.
        GoToRoom(1);
        const std::uint8_t scroll = Rom().ReadRoom(1).scroll;
        for (int change = 0; change < 101; ++change) Key(Qt::Key_W);
        for (int undo = 0; undo < 100; ++undo) Key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!window->Action(kCmdUndoRoom)->isEnabled());
        QCOMPARE(Rom().ReadRoom(1).scroll, std::uint8_t((scroll + 1) % 3)); // the first change stays
        Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Rom().ReadRoom(1).scroll, std::uint8_t((scroll + 2) % 3));
        Key(Qt::Key_Q);
        QVERIFY(!window->Action(kCmdRedoRoom)->isEnabled());

        // A click picks one object, or asks among several at the same place.
        const ObjectEntry first = List(0)[1];
        ClickOnPicture(Canvas(), MarkerPoint(first) + QPoint(-8, 8)); // the corner of its 17-pixel box
        QString message;
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        window->Action(kCmdModifyObject)->trigger(); // ids below 56 have nothing to set
        QCOMPARE(message, QStringLiteral("This object does not have any editable parameters"));
        QVERIFY(window->StatusText(1).startsWith(
            QString::asprintf("[objLeft: %u] Object: 0x%02X, List: 1", first.x / 8, first.id)));

        Key(Qt::Key_Insert, Qt::ShiftModifier); // a copy at the same place, selected
        const int copy = static_cast<int>(List(0).size()) - 1;
        const int room = window->CurrentRoom();
        OnNextModal<CObjSelDlg>([](CObjSelDlg* dialog) { dialog->reject(); });
        ClickOnPicture(Canvas(), MarkerPoint(first));
        QCOMPARE(Rom().view.selectedIndex, copy);
        QCOMPARE(window->CurrentRoom(), room);
        OnNextModal<CObjSelDlg>([](CObjSelDlg* dialog) {
            auto* table = dialog->findChild<QTreeWidget*>("objects");
            ClickItem(table, table->topLevelItem(0));
            QTest::keyClick(table, Qt::Key_Return);
        });
        ClickOnPicture(Canvas(), MarkerPoint(first));
        QCOMPARE(Rom().view.selectedIndex, 1);
    }

    // Before any click: deleting asks first and then finds no selection; inserting lands at the start.
    // Objects are dragged in bonus levels too, but their rooms cannot be edited.
    void InsertingLandsAtTheClickPointOrTheStartAndDraggingInStepsOfEight() {
        AnswerBox(QStringLiteral("Are you sure that you want to delete selected object?"), QMessageBox::Yes);
        AnswerBox(QStringLiteral("No any object was selected"), QMessageBox::Ok);
        window->Action(kCmdDeleteObject)->trigger();
        ChooseIdInNextSettings(7);
        window->Action(kCmdInsertObject)->trigger();
        QCOMPARE(List(0).back().x, 0U);

        window->ShowLevel({.bonus = true, .index = 0}); // the main level's drag is the edited sample's
        const ObjectEntry entry = List(0)[0];
        DragPicture(Canvas(), MarkerPoint(entry), 21);
        QCOMPARE(List(0)[0].x, entry.x + 16);
        QVERIFY(window->StatusText(1).startsWith(
            QStringLiteral("[objLeft: %1] Object:").arg((entry.x + 16) / 8)));
        const LevelSet before = *LevelSetOf(Rom(), *ShownLevel(Rom()));
        Key(Qt::Key_Q);
        Key(Qt::Key_Plus);
        QVERIFY(LevelSetOf(Rom(), *ShownLevel(Rom()))->rooms == before.rooms);
        for (const CommandId command : {kCmdUndoRoom, kCmdSelectRoom, kCmdRunFromLevel})
            QVERIFY(!window->Action(command)->isEnabled());

        window->ShowLevel({.bonus = true, .index = 2});
        ClickOnPicture(Canvas(), {333, 100}); // nothing there
        QCOMPARE(QPoint(Rom().view.clickX, Rom().view.clickY), QPoint(328, 96));
        ChooseIdInNextSettings(60);
        Key(Qt::Key_Insert);
        QCOMPARE(List(2).back().x, Rom().ObjectsOrigin() + 328);
        Key(Qt::Key_V, Qt::ControlModifier); // a copy at the same click point
        QCOMPARE(List(2).back(), List(2)[List(2).size() - 2]);
    }

    void TheManagerChangesNothingOnCancelAndHandsOverItsChoice() {
        const ObjectLists before = ShownLevel(Rom())->objectLists;
        Accelerator<CObjectsManagerDlg>(Qt::Key_F5, [](CObjectsManagerDlg* dialog) {
            AnswerBox({}, QMessageBox::Yes);
            QTest::mouseClick(dialog->findChild<QPushButton*>("flushList"), Qt::LeftButton);
            dialog->reject();
        });
        QVERIFY(ShownLevel(Rom())->objectLists == before);

        QString refusal;
        Accelerator<CObjectsManagerDlg>(Qt::Key_F5, [&refusal](CObjectsManagerDlg* dialog) {
            AnswerNextMessageBox(QMessageBox::Ok, &refusal); // nothing is selected yet
            QTest::mouseClick(dialog->findChild<QPushButton*>("selectObject"), Qt::LeftButton);
            auto* tree = dialog->findChild<QTreeWidget*>("objects");
            QTreeWidgetItem* last = tree->topLevelItem(0)->child(tree->topLevelItem(0)->childCount() - 1);
            tree->scrollToItem(last);
            ClickItem(tree, last);
            QTest::mouseClick(dialog->findChild<QPushButton*>("selectObject"), Qt::LeftButton);
        });
        QCOMPARE(refusal, QStringLiteral("No object selected"));
        const auto farthest = std::ranges::max_element(before[0], {}, &ObjectEntry::x);
        QCOMPARE(Rom().view.selectedIndex, int(farthest - before[0].begin()));
        const int middle = Canvas()->horizontalScrollBar()->value() + Canvas()->viewport()->width() / 2;
        QVERIFY(std::abs(middle - int(farthest->x)) <= 8 ||
                Canvas()->horizontalScrollBar()->value() == Canvas()->horizontalScrollBar()->maximum());
    }

    // The same edits made to the model directly give the same dump.
    void AnEditedSampleSavesWithExactlyItsEdits() {
        // Room 10 set in the rooms map, which can be undone; every room field once, rooms 1-8; room 8
        // pasted over room 9.
        GoToRoom(10);
        Accelerator<CRoomsMapDlg>(Qt::Key_F4, [](CRoomsMapDlg* dialog) {
            Keys(KeyCanvas(dialog), {Qt::Key_Home, Qt::Key_Left, Qt::Key_Return}); // Home: not a room key
        });
        QVERIFY(window->Action(kCmdUndoRoom)->isEnabled());
        CGameRom expected = unedited;
        std::vector<LevelRoom>& rooms = expected.levelSets.at(expected.levels[0].levelSet).rooms;
        const std::vector<FieldKeys> roomKeys = RoomKeys(Rom());
        for (std::size_t i = 0; i < roomKeys.size(); ++i) {
            GoToRoom(static_cast<int>(i) + 1);
            Key(roomKeys[i].up);
            std::uint8_t& field = rooms[i + 1].*roomKeys[i].field;
            field = static_cast<std::uint8_t>((field + 1) % (roomKeys[i].top + 1));
        }
        Key(Qt::Key_Space, Qt::ControlModifier);
        Key(Qt::Key_Right);
        Key(Qt::Key_Space);
        // Objects: one dragged, one inserted, one modified, one deleted; a list flushed in the manager.
        DragPicture(Canvas(), MarkerPoint(List(0)[0]), 8);
        ClickOnPicture(Canvas(), {1000 + 3, 100});
        ChooseIdInNextSettings(12);
        Key(Qt::Key_Insert);
        ClickOnPicture(Canvas(), MarkerPoint(List(2)[0])); // a bridge
        OnNextModal<CObjectSettingsDlg>([](CObjectSettingsDlg* dialog) {
            Keys(dialog->findChild<QSpinBox*>("topOfBridge"), {Qt::Key_Up, Qt::Key_Return});
        });
        Key(Qt::Key_Insert);
        ClickOnPicture(Canvas(), MarkerPoint(List(0)[4]));
        QString question;
        AnswerNextMessageBox(QMessageBox::Yes, &question);
        Key(Qt::Key_Delete);
        QCOMPARE(question, QStringLiteral("Are you sure that you want to delete selected object?"));
        QVERIFY(Rom().SelectedObject() == nullptr);
        Accelerator<CObjectsManagerDlg>(Qt::Key_F5, [](CObjectsManagerDlg* dialog) {
            auto* list = dialog->findChild<QComboBox*>("list");
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Down);
            AnswerBox({}, QMessageBox::Yes);
            QTest::mouseClick(dialog->findChild<QPushButton*>("flushList"), Qt::LeftButton);
            QTest::keyClick(list, Qt::Key_Return);
        });

        rooms[9] = rooms[8];
        rooms[10].setRoom = static_cast<std::uint8_t>(std::max(0, rooms[10].setRoom - 1));
        ObjectLists& lists = expected.levels[0].objectLists;
        lists[0][0].x += 8;
        lists[0].push_back({.id = 12, .x = 1000});
        lists[2][0].param1 = static_cast<std::uint8_t>(lists[2][0].param1 + 8); // top of bridge + 1
        lists[0].erase(lists[0].begin() + 4);
        lists[1].clear();
        expected.SaveRom(dir.Path("expected.nes"));
        ExpectSaved("expected.nes", {});
    }

    void EditsInTheDialogsReachTheSavedFileAndNothingElse() {
        QImage before = CanvasView(*window);
        const std::size_t paletteSet = window->Rom().levels[0].paletteSet;
        OnNextModal<CPalEditorDlg>([](CPalEditorDlg* editor) {
            CBoxGridCanvas* canvas = test::Canvas(editor);
            canvas->Select(1);
            Keys(canvas, {Qt::Key_Plus, Qt::Key_Return});
        });
        window->Action(kCmdPalettesEditor)->trigger();
        QVERIFY(CanvasView(*window) != before);

        OnNextModal<CPalEditorDlg>([](CPalEditorDlg* editor) {
            editor->findChild<QComboBox*>()->setCurrentIndex(1);
            Keys(test::Canvas(editor), {Qt::Key_Right, Qt::Key_Minus, Qt::Key_Return});
        });
        window->Action(kCmdOtherPalettes)->trigger();

        OnNextModal<CPalUpdEditorDlg>([](CPalUpdEditorDlg* editor) {
            CBoxGridCanvas* canvas = test::Canvas(editor);
            canvas->Select(60);
            OnNextModal<CPalModifierDlg>([](CPalModifierDlg* modifier) {
                test::Canvas(modifier)->Select(5);
                Keys(test::Canvas(modifier), {Qt::Key_Plus, Qt::Key_Return});
            });
            QTest::keyClick(canvas, Qt::Key_Insert);
            QTest::keyClick(canvas, Qt::Key_Return);
        });
        window->Action(kCmdPaletteUpdaters)->trigger();

        before = CanvasView(*window);
        TypeInto<CLevelPropDlg>(kCmdLevelSettings, {{"topOfScreen1", {Qt::Key_Up}},
                                                    {"paletteSet", {Qt::Key_Down, Qt::Key_Return}}});
        QVERIFY(CanvasView(*window) != before); // drawn again in the level's new palettes

        TypeInto<CLevelSetEditorDlg>(kCmdCreateLevelSet, {{"music", {Qt::Key_End, Qt::Key_Return}}});

        window->ShowLevel({false, 1});
        TypeInto<CLevelPropDlg>(kCmdLevelSettings,
                                {{"levelSet", {Qt::Key_End, Qt::Key_Return}}}); // the new set
        TypeInto<CGameSettingsDlg>(kCmdGameSettings, {{"lives", {Qt::Key_Up, Qt::Key_Return}}});
        TypeInto<CBonusLevelSettingsDlg>(kCmdBonusArea, {{"area", {Qt::Key_Down, Qt::Key_Return}}});

        // The shown updater is the last (level 1-1 names none); the new modifier comes last in it.
        const std::size_t shown = unedited.paletteUpdaters.size() - 1;
        const std::size_t added = unedited.paletteUpdaters.at(shown).modifiers.size();
        const auto newSet = QString::number(unedited.levelSets.size());
        ExpectSaved("unedited.nes",
                    {".levels[0].paletteSet", ".levels[1].levelSet", ".levelSets[0].tops[0]",
                     ".levelSets[" + newSet + "]", ".gameSettings.lives", ".bonusArea.area",
                     QStringLiteral(".paletteSets[%1][1]").arg(paletteSet), ".otherPalettes[17]",
                     QString::asprintf(".paletteUpdaters[%zu].modifiers[%zu]", shown, added)});
    }

    // Cancel in the manager drops its imports; the dialogs confirmed hand their edits to the window, and the
    // save warns of a room that no level uses.
    void GraphicsEditsReachTheWindowOnlyThroughOk() {
        Accelerator<CGraphicSetManDlg>(Qt::CTRL | Qt::Key_J, [this](CGraphicSetManDlg* manager) {
            ImportIntoBankOne(manager, sheetPath);
            QTest::keyClick(manager, Qt::Key_Escape);
        });
        QVERIFY(!window->Modified());

        Accelerator<CGraphicSetManDlg>(Qt::CTRL | Qt::Key_J, [this](CGraphicSetManDlg* manager) {
            ImportIntoBankOne(manager, sheetPath);
            OnNextModal<CGraphicSetEditorDlg>([](CGraphicSetEditorDlg* editor) {
                // A room that no level uses yet.
                ClickButton(editor, "+");
                QTest::keyClick(KeyCanvas(editor), Qt::Key_Return);
            });
            ClickButton(manager, "Set editor...");
            QTest::keyClick(manager, Qt::Key_Return);
        });
        const EditGraphicSet edited = window->Rom().ExpandGraphicSets()->at(0);
        QCOMPARE(edited.tiles, PatternedTiles());

        QString message;
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        QVERIFY(window->SaveRomAs(Path("edited.nes")));
        QCOMPARE(message,
                 QStringLiteral("Graphic set #1: room #%1 is saved, but no level uses it; it will be gone "
                                "when the ROM is opened again.")
                     .arg(edited.rooms.size()));
    }
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
