// The palette dialogs driven with keys and the mouse.
#include "dialog_driver.h"
#include "dialogs/choose_color_dlg.h"
#include "dialogs/choose_number_dlg.h"
#include "dialogs/error_beep.h"
#include "dialogs/pal_editor_dlg.h"
#include "dialogs/pal_modifier_dlg.h"
#include "dialogs/pal_upd_editor_dlg.h"
#include "render/palette_pictures.h"

#include <QComboBox>
#include <QListWidget>

using namespace tikaroo;
using namespace tikaroo::test;

namespace {

// Sixteen palette sets whose colours differ from set to set.
std::vector<PaletteSet> NumberedSets() {
    std::vector<PaletteSet> sets(kPaletteSetCount);
    for (std::size_t set = 0; set < sets.size(); ++set)
        for (std::size_t entry = 0; entry < kPaletteColours; ++entry)
            sets[set][entry] =
                entry % 4 == 0 ? kBackgroundColour : static_cast<std::uint8_t>((set * 3 + entry) % 64);
    return sets;
}

void ClickRoom(CNesCanvas* canvas, int room) {
    ClickPicture(canvas, kUpdaterRoomGrid.left + kUpdaterRoomGrid.stepX * room + 5, 10);
}

// In an open modifier editor: sets colour 1 of sub-palette 1 by `steps` presses of plus, then OK.
void SetSubPaletteOneAndConfirm(CPalModifierDlg* editor, int steps) {
    CBoxGridCanvas* canvas = Canvas(editor);
    canvas->Select(5);
    for (int step = 0; step < steps; ++step) QTest::keyClick(canvas, Qt::Key_Plus);
    QTest::keyClick(canvas, Qt::Key_Return);
}

} // namespace

class PaletteDialogsTest : public QObject {
    Q_OBJECT

private slots:
    // The copy to another set is checked end to end in the window's tests; here its chooser refuses no
    // choice and leaves out the shown set.
    void TheEditorStepsPastesChoosesAndCopiesColours() {
        std::vector<PaletteSet> sets = NumberedSets();
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
            AnswerNextMessageBox(QMessageBox::Ok, &message);
            QTest::keyClick(list, Qt::Key_Return);
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
        QString message;
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        QTest::keyClick(canvas, Qt::Key_Return);
        QCOMPARE(message, QStringLiteral("Cant insert NULL modifier. Please specify at least one attribute"));
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
        ClickRoom(canvas, 3);
        OnNextModal<CPalModifierDlg>([](CPalModifierDlg* editor) { SetSubPaletteOneAndConfirm(editor, 1); });
        QTest::keyClick(canvas, Qt::Key_Insert);
        for (int step = 0; step < 7; ++step) QTest::keyClick(canvas, Qt::Key_Right);
        OnNextModal<CPalModifierDlg>([](CPalModifierDlg* editor) { SetSubPaletteOneAndConfirm(editor, 2); });
        ClickButton(&dialog, "Modifier...");
        const RoomEffects effects = UpdaterRoomEffects(dialog.Updaters()[0]);
        for (const auto& [room, colour] :
             {std::pair{2, kUnsetColour}, {3, 0x00}, {9, 0x00}, {10, 0x01}, {63, 0x01}})
            QCOMPARE(effects[room].colours[5], colour);

        ClickRoom(canvas, 3);
        QTest::keyClick(canvas, Qt::Key_Space, Qt::ControlModifier);
        ClickRoom(canvas, 10);
        QTest::keyClick(canvas, Qt::Key_Space);
        QCOMPARE(UpdaterRoomEffects(dialog.Updaters()[0])[10].colours[5], 0x00);

        // The paste replaced room 10's modifier: one is left after deleting it.
        QString question;
        AnswerNextMessageBox(QMessageBox::Yes, &question);
        QTest::keyClick(canvas, Qt::Key_Delete);
        QCOMPARE(question, QStringLiteral("Do you want to delete this modifier?"));
        QCOMPARE(dialog.Updaters()[0].modifiers.size(), std::size_t{1});

        // The fourteenth updater is added, the fifteenth refused.
        CPalUpdEditorDlg thirteen(std::vector<PaletteUpdater>(13), 20);
        thirteen.show();
        QPushButton* add = Button(&thirteen, QStringLiteral("+"));
        AnswerNextMessageBox(QMessageBox::Ok, &question);
        QTest::mouseClick(add, Qt::LeftButton);
        QVERIFY(
            question.startsWith(QStringLiteral("Added new copy of current palette updater with id #14.")));
        AnswerNextMessageBox(QMessageBox::Ok, &question);
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(question, QStringLiteral("Maximum count of updaters has been reached"));
        QCOMPARE(thirteen.Updaters().size(), kMaxPaletteUpdaters);
        QCOMPARE(thirteen.findChild<QComboBox*>()->count(), 14);
    }
};

QTEST_MAIN(PaletteDialogsTest)
#include "palette_dialogs_test.moc"
