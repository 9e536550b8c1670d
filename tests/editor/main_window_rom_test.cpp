#include "dialogs/select_level_dlg.h"
#include "editor/main_window.h"
#include "editor/nes_canvas.h"
#include "render/level_renderer.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

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

// Ticks "bonus level" in the next level selection dialog, picks bonus level `row` and presses OK;
// `afterwards` runs just before OK.
void PickBonusLevelInNextDialog(int row, const std::function<void()>& afterwards = {}) {
    QTimer::singleShot(0, [row, afterwards] {
        auto* dialog = qobject_cast<CSelectLevelDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        // A failed check must not leave the dialog open.
        auto pick = [dialog, row] {
            auto* list = dialog->findChild<QListWidget*>("levels");
            QCOMPARE(list->count(), 32);
            QCOMPARE(list->currentItem()->text(), QStringLiteral("Area 1, Round 1"));
            QTest::keyClick(dialog->findChild<QCheckBox*>(), Qt::Key_Space);
            QCOMPARE(list->count(), 9);
            list->setCurrentRow(row);
        };
        pick();
        if (afterwards) afterwards();
        QTest::keyClick(dialog, Qt::Key_Return);
        if (dialog->isVisible()) dialog->reject();
    });
}

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

// Takes the URLs that would go to the system's programs.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
    Q_INVOKABLE void Open(const QUrl& url) { urls << url; }
};

// The background step table at $BE63 in the first bank, in both layouts.
constexpr std::size_t kStepTableOffset = 16 + 0x3E63;

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
        PickBonusLevelInNextDialog(3);
        window.Action(kCmdSelectLevel)->trigger();
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("NES Tikaroo Level Editor v1.1.1 [sample.nes] - Bonus 4"));
        QVERIFY(!window.Canvas()->FrameVisible());
        QVERIFY(window.StatusText(1).isEmpty());
        QCOMPARE(window.Rom().view.currentLevel, window.Rom().bonusArea.area);
    }

    void ABonusAreaThatNamesNoLevelIsReportedAndTheLevelStays() {
        CGameRom broken;
        broken.LoadRom(samplePath.toStdString());
        broken.bonusArea.area = 37; // slots go up to 32
        const std::string path = dir.Path("bonus-37.nes");
        broken.SaveRom(path);

        CMainWindow window;
        window.show();
        QVERIFY(window.OpenRom(QString::fromStdString(path)));
        QString message;
        PickBonusLevelInNextDialog(0, [&message] { AnswerNextMessageBox(QMessageBox::Ok, &message); });
        window.Action(kCmdSelectLevel)->trigger();
        QCOMPARE(message, QStringLiteral("The bonus area names a level that does not exist"));
        QVERIFY(window.windowTitle().endsWith(QStringLiteral("Level 1-1")));
        QVERIFY(window.Canvas()->FrameVisible());
        QVERIFY(!window.Rom().view.bonusMode);
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

    // Background steps far steeper than the game's would make a canvas of gigabytes: the level is drawn
    // cut at the height limit and the status bar says so; the save keeps the steps as they were read.
    void ASteepLevelIsDrawnCutAndSavedAsRead() {
        Bytes steep = sample::MakeSampleGame().file;
        std::fill_n(steep.begin() + kStepTableOffset, 8, 0x7F);
        CMainWindow window;
        window.show();
        QVERIFY(window.OpenRom(QString::fromStdString(dir.Write("steep.nes", steep))));
        QCOMPARE(window.Canvas()->PictureSize().height(), kMaxCanvasHeight);
        QCOMPARE(window.StatusText(kLayoutStatusPart), QString::fromLatin1(kDrawnCutText));
        QVERIFY(window.SaveRomAs(QString::fromStdString(dir.Path("steep-saved.nes"))));

        CMainWindow plain;
        plain.show();
        QVERIFY(plain.OpenRom(samplePath));
        QVERIFY(plain.StatusText(kLayoutStatusPart).isEmpty());
        QVERIFY(plain.SaveRomAs(QString::fromStdString(dir.Path("plain-saved.nes"))));
        const Bytes steepSaved = test::TempDir::Read(dir.Path("steep-saved.nes"));
        Bytes plainSaved = test::TempDir::Read(dir.Path("plain-saved.nes"));
        std::fill_n(plainSaved.begin() + kStepTableOffset, 8, 0x7F);
        QVERIFY(steepSaved == plainSaved);
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

    void ChangesRedrawTheCanvasAndMarkTheFileModified() {
        CMainWindow window;
        window.resize(800, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.OpenRom(samplePath));
        QVERIFY(!window.Rom().levels[0].objectLists[0].empty());
        QSignalSpy marks(&window, &CMainWindow::ModifiedChanged);
        CNesCanvas* canvas = window.Canvas();
        canvas->clearFocus(); // the frame stops blinking: only redraws repaint now
        PaintCounter paints(canvas->viewport());
        QCoreApplication::processEvents();

        // An object moves: only the markers are redrawn, and the canvas repaints.
        paints.count = 0;
        window.ApplyChange(Redraw::Overlay, [](CGameRom& rom) { rom.levels[0].objectLists[0][0].x += 8; });
        QCoreApplication::processEvents();
        QVERIFY(paints.count > 0);
        QVERIFY(window.Modified());
        QCOMPARE(marks.size(), 1);

        // Every room steps its background the same way: the canvas changes height, its scroll range too.
        const int height = canvas->PictureSize().height();
        window.ApplyChange(Redraw::Rooms, [](CGameRom& rom) {
            for (LevelRoom& room : rom.levelSets.at(rom.levels[0].levelSet).rooms) room.background = 0;
        });
        QVERIFY(canvas->PictureSize().height() != height);
        QCOMPARE(canvas->verticalScrollBar()->maximum(),
                 canvas->PictureSize().height() - canvas->viewport()->height());

        QVERIFY(window.SaveRomAs(QString::fromStdString(dir.Path("changed.nes"))));
        QVERIFY(!window.Modified());
        QCOMPARE(marks.size(), 2);
    }

    // Bonus levels open at their start, a save leaves the view alone, and gaining the focus selects the
    // current room again where the view stands.
    void TheViewMovesOnlyWhereTheUserAsks() {
        CMainWindow window;
        window.resize(800, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.OpenRom(samplePath));
        CNesCanvas* canvas = window.Canvas();
        QScrollBar* bar = canvas->horizontalScrollBar();
        for (int room = 0; room < 10; ++room) QTest::keyClick(canvas, Qt::Key_Right);
        const int scrolled = bar->value();
        QVERIFY(scrolled > 0);

        window.SetStatusText(1, QString()); // as an object's text would replace the room's
        bar->setValue(0);
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(canvas, &focusIn);
        QVERIFY(window.StatusText(1).contains(QStringLiteral("Room[11]")));
        QCOMPARE(bar->value(), 0);

        bar->setValue(scrolled);
        QVERIFY(window.SaveRomAs(QString::fromStdString(dir.Path("view.nes"))));
        QCOMPARE(bar->value(), scrolled);
        QCOMPARE(window.CurrentRoom(), 10);

        bar->setValue(bar->maximum());
        window.ShowLevel({true, 2});
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);
    }

    void RunGameHandsOnTheAbsolutePathOfARomOpenedByARelativeOne() {
        const QString folder = QDir::currentPath();
        QDir::setCurrent(QFileInfo(samplePath).absolutePath());
        CMainWindow window;
        const bool opened = window.OpenRom(QFileInfo(samplePath).fileName());
        QDir::setCurrent(folder);
        QVERIFY(opened);
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
        window.Action(kCmdRunGame)->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(samplePath)});
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
