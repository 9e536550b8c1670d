#include "dialogs/select_level_dlg.h"
#include "editor/main_window.h"
#include "editor/nes_canvas.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace tikaroo;

namespace {

// Answers the next modal message box with `button` and remembers its text.
void AnswerNextMessageBox(QMessageBox::StandardButton button, QString* text) {
    QTimer::singleShot(0, [button, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        if (text != nullptr) *text = box->text();
        box->button(button)->click();
    });
}

} // namespace

class MainWindowRomTest : public QObject {
    Q_OBJECT
    test::TempDir dir;
    QString samplePath;

private slots:
    void initTestCase() {
        samplePath = QString::fromStdString(dir.Write("sample.nes", sample::MakeSampleGame().file));
    }

    void OpeningShowsLevelOneOne() {
        CMainWindow window;
        window.show();
        QVERIFY(window.OpenRom(samplePath));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("NES Tikaroo Level Editor v1.1.1 [sample.nes] - Level 1-1"));
        QCOMPARE(window.StatusText(0), QStringLiteral("Ready"));
        QVERIFY(window.StatusText(1).startsWith(QStringLiteral("[objLeft: 0] Room[1]: ")));
        QVERIFY(!window.Canvas()->PictureSize().isEmpty());
        QCOMPARE(window.Canvas()->PictureSize().width() % 128, 0);
        QVERIFY(window.Action(kCmdSelectLevel)->isEnabled());
        QVERIFY(window.Action(kCmdRunGame)->isEnabled());
        QVERIFY(window.Canvas()->FrameVisible());
    }

    void ArrowsMoveOneRoomAndStopAtTheEnds() {
        CMainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.OpenRom(samplePath));
        CNesCanvas* canvas = window.Canvas();
        QTest::keyClick(canvas, Qt::Key_Left);
        QCOMPARE(window.CurrentRoom(), 0);
        QTest::keyClick(canvas, Qt::Key_Right);
        QTest::keyClick(canvas, Qt::Key_Right);
        QCOMPARE(window.CurrentRoom(), 2);
        QCOMPARE(canvas->Frame().x(), 256);
        QVERIFY(window.StatusText(1).contains(QStringLiteral("Room[3]")));
        QTest::keyClick(canvas, Qt::Key_Up);
        QCOMPARE(window.CurrentRoom(), 2);
        const int rooms = canvas->PictureSize().width() / 128;
        for (int step = 0; step < rooms + 3; ++step) QTest::keyClick(canvas, Qt::Key_Right);
        QCOMPARE(window.CurrentRoom(), rooms - 1);
    }

    void ClickSelectsTheRoomUnderTheMouse() {
        CMainWindow window;
        window.resize(1200, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.OpenRom(samplePath));
        QTest::mouseClick(window.Canvas()->viewport(), Qt::LeftButton, {}, QPoint(128 * 3 + 20, 300));
        QCOMPARE(window.CurrentRoom(), 3);
        QVERIFY(window.StatusText(1).startsWith(QStringLiteral("[objLeft: %1]").arg((128 * 3 + 20) / 8)));
    }

    void SelectLevelDialogSwitchesToABonusLevel() {
        CMainWindow window;
        window.show();
        QVERIFY(window.OpenRom(samplePath));
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<CSelectLevelDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            // A failed check must not leave the dialog open.
            auto pick = [dialog] {
                auto* list = dialog->findChild<QListWidget*>("levels");
                QCOMPARE(list->count(), 32);
                QCOMPARE(list->currentItem()->text(), QStringLiteral("Area 1, Round 1"));
                QTest::keyClick(dialog->findChild<QCheckBox*>(), Qt::Key_Space);
                QCOMPARE(list->count(), 9);
                list->setCurrentRow(3);
                dialog->accept();
            };
            pick();
            if (dialog->isVisible()) dialog->reject();
        });
        window.Action(kCmdSelectLevel)->trigger();
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("NES Tikaroo Level Editor v1.1.1 [sample.nes] - Bonus 4"));
        QVERIFY(!window.Canvas()->FrameVisible());
        QVERIFY(window.StatusText(1).isEmpty());
        QCOMPARE(window.Rom().view.currentLevel, window.Rom().bonusArea.area);
    }

    void SelectLevelWithoutChoiceWarnsAndStaysOpen() {
        CSelectLevelDlg dialog(13, CSelectLevelDlg::kNoBonusLevel, false);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>("levels");
        QCOMPARE(list->currentRow(), 13);
        list->clearSelection();
        QString message;
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        dialog.accept();
        QCOMPARE(message, QStringLiteral("Select a level"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
    }

    void SecondOpenIsRefusedAndBrokenFileIsReported() {
        CMainWindow window;
        window.show();
        QString message;
        const QString broken = QString::fromStdString(dir.Write("broken.nes", Bytes(100, 0x4E)));
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        QVERIFY(!window.OpenRom(broken));
        QVERIFY(message.startsWith(QStringLiteral("Unable to load file '%1'.").arg(broken)));
        QVERIFY(message.endsWith(QStringLiteral("Loader returned error: 'CNROM file corrupt'")));
        QVERIFY(!window.Action(kCmdSelectLevel)->isEnabled());

        QVERIFY(window.OpenRom(samplePath));
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        QVERIFY(!window.OpenRom(samplePath));
        QCOMPARE(message,
                 QStringLiteral("File already loaded.\nClose the editor and open again to load new file."));
        QVERIFY(window.windowTitle().endsWith(QStringLiteral("Level 1-1")));
    }

    void SaveAsWritesTheRomAndRenamesTheWindow() {
        CMainWindow window;
        window.show();
        QVERIFY(window.OpenRom(samplePath));
        QVERIFY(window.Action(kCmdSave)->isEnabled());
        QVERIFY(window.Action(kCmdSaveAs)->isEnabled());
        const QString target = QString::fromStdString(dir.Path("saved.nes"));
        QVERIFY(window.SaveRomAs(target));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("NES Tikaroo Level Editor v1.1.1 [saved.nes] - Level 1-1"));
        QCOMPARE(window.StatusText(0), QStringLiteral("Ready"));
        CGameRom reopened;
        reopened.LoadRom(target.toStdString());
        QCOMPARE(reopened.levels.size(), window.Rom().levels.size());
        QVERIFY(reopened.gameSettings == window.Rom().gameSettings);
    }

    void FailedSaveIsReported() {
        CMainWindow window;
        window.show();
        QVERIFY(window.OpenRom(samplePath));
        QString message;
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        QVERIFY(!window.SaveRomAs(QString::fromStdString(dir.Path("no/such/folder/x.nes"))));
        QVERIFY(message.startsWith(QStringLiteral("Unable to save file '%1'.").arg(samplePath)));
        QVERIFY(message.endsWith(QStringLiteral("Loader returned error: 'Write error'")));
        QVERIFY(window.windowTitle().contains(QStringLiteral("[sample.nes]")));
    }

    void ClosingWithARomAsksFirst() {
        CMainWindow window;
        window.show();
        QVERIFY(window.OpenRom(samplePath));
        QString question;
        AnswerNextMessageBox(QMessageBox::No, &question);
        window.close();
        QCOMPARE(question, QStringLiteral("Are you sure that you want to close 'sample.nes'?"));
        QVERIFY(window.isVisible());
        AnswerNextMessageBox(QMessageBox::Yes, nullptr);
        window.close();
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(MainWindowRomTest)
#include "main_window_rom_test.moc"
