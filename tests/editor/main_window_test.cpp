// The main window without a ROM and with the sample: opening, rooms, levels, saving, patches, closing.
#include "dialogs/select_level_dlg.h"
#include "render/level_renderer.h"
#include "rom/ips_patch.h"
#include "window_test.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QToolBar>

using namespace tikaroo;
using namespace tikaroo::test;

namespace {

// Ticks "bonus level" in the next level selection dialog, picks bonus level `row` and presses OK;
// `afterwards` runs just before OK.
void PickBonusLevelInNextDialog(int row, const std::function<void()>& afterwards = {}) {
    OnNextModal<CSelectLevelDlg>([row, afterwards](CSelectLevelDlg* dialog) {
        QTest::keyClick(dialog->findChild<QCheckBox*>(), Qt::Key_Space);
        dialog->findChild<QListWidget*>("levels")->setCurrentRow(row);
        if (afterwards) afterwards();
        QTest::keyClick(dialog, Qt::Key_Return);
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

class MainWindowTest : public WindowTest {
    Q_OBJECT

private slots:
    void cleanup() { window.reset(); }

    // A file that does not load is reported, and the window stays without a ROM: only Open, Quit, About
    // and Preferences work.
    void ABrokenFileLeavesTheWindowWithoutARom() {
        QVERIFY(Open());
        QString message;
        const QString broken = QString::fromStdString(dir.Write("broken.nes", Bytes(100, 0x4E)));
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        QVERIFY(!window->OpenRom(broken));
        QVERIFY(message.startsWith(QStringLiteral("Unable to load file '%1'.").arg(broken)));
        QVERIFY(message.endsWith(QStringLiteral("Loader returned error: 'CNROM file corrupt'")));
        QVERIFY(window->Canvas()->PictureSize().isEmpty());
        for (const CommandInfo& command : Commands()) {
            // Preferences too: the emulator and the colours can be set before a ROM is opened.
            const bool expected = command.id == kCmdOpen || command.id == kCmdQuit ||
                                  command.id == kCmdAbout || command.id == kCmdPreferences;
            QCOMPARE(window->Action(command.id)->isEnabled(), expected);
        }
        for (QAction* action : window->findChild<QToolBar*>("toolBar")->actions())
            QVERIFY(action->isSeparator() || !action->toolTip().isEmpty());
        window->Action(kCmdQuit)->trigger(); // no question without a ROM
        QVERIFY(!window->isVisible());
    }

    void ArrowsAndClicksPickTheRoomAndTheViewMovesOnlyWhereTheUserAsks() {
        QVERIFY(Open(samplePath));
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("NES Tikaroo Level Editor v1.1.1 [sample.nes] - Level 1-1"));
        QCOMPARE(window->StatusText(0), QStringLiteral("Ready"));
        QVERIFY(window->StatusText(1).startsWith(QStringLiteral("[objLeft: 0] Room[1]: ")));
        QVERIFY(window->Canvas()->FrameVisible());
        CNesCanvas* canvas = window->Canvas();
        const int rooms = canvas->PictureSize().width() / 128;
        Keys(canvas, {Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Up}); // no room left of the first
        QCOMPARE(canvas->Frame().x(), 256);                                     // the frame stands on room 3
        for (int step = 0; step < rooms + 3; ++step) QTest::keyClick(canvas, Qt::Key_Right);
        QCOMPARE(window->CurrentRoom(), rooms - 1);
        canvas->horizontalScrollBar()->setValue(0);
        QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, QPoint(128 * 3 + 20, 300));
        QCOMPARE(window->CurrentRoom(), 3);
        QVERIFY(window->StatusText(1).startsWith(QStringLiteral("[objLeft: %1]").arg((128 * 3 + 20) / 8)));

        // Gaining the focus selects the current room again where the view stands, a save leaves the view
        // alone, and a bonus level chosen in the level list opens at its start.
        for (int room = 3; room < 10; ++room) QTest::keyClick(canvas, Qt::Key_Right);
        QScrollBar* bar = canvas->horizontalScrollBar();
        const int scrolled = bar->value();
        QVERIFY(scrolled > 0);
        window->SetStatusText(1, QString()); // as an object's text would replace the room's
        bar->setValue(0);
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(canvas, &focusIn);
        QVERIFY(window->StatusText(1).contains(QStringLiteral("Room[11]")));
        QCOMPARE(bar->value(), 0);
        bar->setValue(scrolled);
        QVERIFY(window->SaveRomAs(Path("view.nes")));
        QCOMPARE(bar->value(), scrolled);
        QCOMPARE(window->CurrentRoom(), 10);
        bar->setValue(bar->maximum());
        PickBonusLevelInNextDialog(3);
        window->Action(kCmdSelectLevel)->trigger();
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("NES Tikaroo Level Editor v1.1.1 [view.nes] - Bonus 4"));
        QVERIFY(!window->Canvas()->FrameVisible());
        QVERIFY(window->StatusText(1).isEmpty());
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);
    }

    void ABonusAreaThatNamesNoLevelIsReportedAndTheLevelListNeedsAChoice() {
        CGameRom broken;
        broken.LoadRom(samplePath.toStdString());
        broken.bonusArea.area = 37; // slots go up to 32
        broken.SaveRom(dir.Path("bonus-37.nes"));
        QVERIFY(Open(Path("bonus-37.nes")));
        QString message;
        PickBonusLevelInNextDialog(0, [&message] { AnswerNextMessageBox(QMessageBox::Ok, &message); });
        window->Action(kCmdSelectLevel)->trigger();
        QCOMPARE(message, QStringLiteral("The bonus area names a level that does not exist"));
        QVERIFY(window->windowTitle().endsWith(QStringLiteral("Level 1-1")));
        QVERIFY(!window->Rom().view.bonusMode);

        // The level list opens on the level it is given, and without a choice it stays open.
        CSelectLevelDlg dialog(13, CSelectLevelDlg::kNoBonusLevel, false);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>("levels");
        QCOMPARE(list->count(), 32);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Area 4, Round 2"));
        list->clearSelection();
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        dialog.accept();
        QCOMPARE(message, QStringLiteral("Select a level"));
        QVERIFY(dialog.isVisible());
    }

    // Background steps far steeper than the game's would make a canvas of gigabytes: the level is drawn
    // cut at the height limit and the status bar says so; the save keeps the steps as they were read.
    void ASteepLevelIsDrawnCutAndSavedAsRead() {
        Bytes steep = sample::MakeSampleGame().file;
        std::fill_n(steep.begin() + kStepTableOffset, 8, 0x7F);
        QVERIFY(Open(QString::fromStdString(dir.Write("steep.nes", steep))));
        QCOMPARE(window->StatusText(kLayoutStatusPart), QString::fromLatin1(kDrawnCutText));
        QVERIFY(window->SaveRomAs(Path("steep-saved.nes")));

        QVERIFY(Open(samplePath));
        QVERIFY(window->SaveRomAs(Path("plain-saved.nes")));
        Bytes plainSaved = TempDir::Read(dir.Path("plain-saved.nes"));
        std::fill_n(plainSaved.begin() + kStepTableOffset, 8, 0x7F);
        QVERIFY(TempDir::Read(dir.Path("steep-saved.nes")) == plainSaved);
    }

    // Changes redraw the canvas and mark the file modified; a failed save says so and changes nothing, Save
    // as writes the ROM and renames the window.
    void ChangesRedrawAndSaveAsWritesTheRom() {
        QVERIFY(Open(samplePath));
        CNesCanvas* canvas = window->Canvas();
        canvas->clearFocus(); // the frame stops blinking: only redraws repaint now
        PaintCounter paints(canvas->viewport());
        QCoreApplication::processEvents();

        // An object moves: only the markers are redrawn, and the canvas repaints.
        paints.count = 0;
        window->ApplyChange(Redraw::Overlay, [](CGameRom& rom) { rom.levels[0].objectLists[0][0].x += 8; });
        QCoreApplication::processEvents();
        QVERIFY(paints.count > 0);

        // Every room steps its background the same way: the canvas changes height, its scroll range too.
        const int height = canvas->PictureSize().height();
        window->ApplyChange(Redraw::Rooms, [](CGameRom& rom) {
            for (LevelRoom& room : rom.levelSets.at(rom.levels[0].levelSet).rooms) room.background = 0;
        });
        QVERIFY(canvas->PictureSize().height() != height);
        QCOMPARE(canvas->verticalScrollBar()->maximum(),
                 canvas->PictureSize().height() - canvas->viewport()->height());

        QString message;
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        QVERIFY(!window->SaveRomAs(Path("no/such/folder/x.nes")));
        QVERIFY(message.startsWith(QStringLiteral("Unable to save file '%1'.").arg(samplePath)));
        QVERIFY(message.endsWith(QStringLiteral("Loader returned error: 'Write error'")));
        QVERIFY(window->windowTitle().contains(QStringLiteral("[sample.nes*]")));

        QVERIFY(window->SaveRomAs(Path("saved.nes")));
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("NES Tikaroo Level Editor v1.1.1 [saved.nes] - Level 1-1"));
    }

    void RunGameHandsOnTheAbsolutePathOfARomOpenedByARelativeOne() {
        const QString folder = QDir::currentPath();
        QDir::setCurrent(QFileInfo(samplePath).absolutePath());
        const bool opened = Open(QFileInfo(samplePath).fileName());
        QDir::setCurrent(folder);
        QVERIFY(opened);
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
        window->Action(kCmdRunGame)->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(samplePath)});
    }

    // An unsaved edit is saved first (or nothing is exported); the patch makes the saved file of the
    // original; a name without an extension takes the filter's, and the original is offered again.
    void ExportPatchSavesFirstAndMakesTheSavedFileOfTheOriginal() {
        const Bytes original = sample::MakeSampleGame().file;
        const QString hack = QString::fromStdString(dir.Write("hack.nes", original));
        QVERIFY(Open(hack));
        window->ApplyChange(Redraw::Nothing, [](CGameRom& rom) { rom.gameSettings.lives = 9; });
        QString question, caption;
        AnswerNextMessageBox(QMessageBox::No, &question, &caption);
        window->Action(kCmdExportPatch)->trigger();
        QCOMPARE(caption, QStringLiteral("Export patch"));
        QVERIFY(question.contains(QStringLiteral("Save the ROM now?")));
        QCOMPARE(TempDir::Read(hack.toStdString()), original);

        OnNextModal<QMessageBox>([&](QMessageBox* box) {
            box->button(QMessageBox::Yes)->click();
            ChooseFile(samplePath, [&] {
                OnNextModal<QFileDialog>([&](QFileDialog* dialog) {
                    dialog->selectNameFilter(QStringLiteral("IPS patch (*.ips)"));
                    dialog->selectFile(Path("shared"));
                    static_cast<QDialog*>(dialog)->accept();
                });
            });
        });
        window->Action(kCmdExportPatch)->trigger();
        QVERIFY(!window->Modified());
        QCOMPARE(ApplyIpsPatch(original, TempDir::Read(dir.Path("shared.ips"))),
                 TempDir::Read(hack.toStdString()));
        QVERIFY(window->StatusText(0).startsWith(QStringLiteral("IPS patch written: shared.ips")));

        QString offered;
        OnNextModal<QFileDialog>([&](QFileDialog* dialog) {
            offered = dialog->selectedFiles().value(0);
            dialog->reject();
        });
        window->Action(kCmdExportPatch)->trigger();
        QCOMPARE(offered, samplePath);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
