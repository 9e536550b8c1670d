// The main window without a ROM and with the sample, and the editor as a desktop program: how ROM files
// reach it, preferences kept between runs, the emulator, backups, saving, patches, the canvas zoom and grid.
#include "dialogs/preferences_dlg.h"
#include "dialogs/select_level_dlg.h"
#include "editor/editor_settings.h"
#include "editor/emulator_launch.h"
#include "game/level_lookup.h"
#include "render/level_renderer.h"
#include "render/nes_colors.h"
#include "rom/ips_patch.h"
#include "window_test.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QRadioButton>
#include <QSettings>
#include <QToolBar>
#include <QWheelEvent>

#include <filesystem>
#include <optional>
#include <tuple>

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

struct PaintCounter : QObject {
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
    int count = 0;
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

// The recent files menu as the user sees it when opening File.
QMenu* RecentMenu(CMainWindow& window) {
    emit window.menuBar()->actions().front()->menu()->aboutToShow();
    return window.findChild<QMenu*>("recentFiles");
}

// Drags `urls` over the window and, when the window takes them and `release`, drops them; whether the
// window took them.
bool Drag(CMainWindow& window, const QList<QUrl>& urls, bool release) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint centre = window.rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted() || !release) return enter.isAccepted();
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    return true;
}

GameSettings SettingsOf(const QString& path) {
    CGameRom rom;
    rom.LoadRom(path.toStdString());
    return rom.gameSettings;
}

} // namespace

class MainWindowTest : public WindowTest {
    Q_OBJECT

    const Bytes sampleFile = sample::MakeSampleGame().file;

private slots:
    void init() { QSettings().clear(); }
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
        // Preferences too: the emulator and the colours can be set before a ROM is opened.
        const QList<CommandId> working = {kCmdOpen, kCmdQuit, kCmdAbout, kCmdPreferences};
        for (const CommandInfo& command : Commands())
            QCOMPARE(window->Action(command.id)->isEnabled(), working.contains(command.id));
        for (QAction* action : window->findChild<QToolBar*>("toolBar")->actions()) // a tip of its own
            QVERIFY(action->isSeparator() || !Command(CommandId(action->data().toInt())).toolTip.empty());
        window->Action(kCmdQuit)->trigger(); // no question without a ROM
        QVERIFY(!window->isVisible());
    }

    void ArrowsAndClicksPickTheRoomAndTheViewMovesOnlyWhereTheUserAsks() {
        QVERIFY(Open(samplePath));
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
    // Changes redraw the canvas and mark the file modified; a failed save says so and changes nothing, Save
    // as writes the ROM and renames the window.
    void ASteepLevelIsSavedAsReadAndChangesRedrawUntilSaveAs() {
        Bytes steep = sampleFile;
        std::fill_n(steep.begin() + kStepTableOffset, 8, 0x7F);
        QVERIFY(Open(QString::fromStdString(dir.Write("steep.nes", steep))));
        QCOMPARE(window->StatusText(kLayoutStatusPart), QString::fromLatin1(kDrawnCutText));
        QVERIFY(window->SaveRomAs(Path("steep-saved.nes")));

        QVERIFY(Open(samplePath));
        QVERIFY(window->SaveRomAs(Path("plain-saved.nes")));
        Bytes plainSaved = TempDir::Read(dir.Path("plain-saved.nes"));
        std::fill_n(plainSaved.begin() + kStepTableOffset, 8, 0x7F);
        QVERIFY(TempDir::Read(dir.Path("steep-saved.nes")) == plainSaved);

        CNesCanvas* canvas = window->Canvas();
        canvas->clearFocus(); // the frame stops blinking: only redraws repaint now
        QCoreApplication::processEvents();

        // An object moves: only the markers are redrawn, and the canvas repaints.
        PaintCounter paints(canvas->viewport());
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
        QVERIFY(message.startsWith(QStringLiteral("Unable to save file '%1'.").arg(Path("plain-saved.nes"))));
        QVERIFY(message.endsWith(QStringLiteral("Loader returned error: 'Write error'")));
        QVERIFY(window->windowTitle().contains(QStringLiteral("[plain-saved.nes*]")));

        QVERIFY(window->SaveRomAs(Path("saved.nes")));
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("NES Tikaroo Level Editor v1.1.1 [saved.nes] - Level 1-1"));
    }

    // An unsaved edit is saved first (or nothing is exported); the patch makes the saved file of the
    // original; a name without an extension takes the filter's, and the original is offered again.
    void ExportPatchSavesFirstAndMakesTheSavedFileOfTheOriginal() {
        const QString hack = QString::fromStdString(dir.Write("hack.nes", sampleFile));
        QVERIFY(Open(hack));
        window->ApplyChange(Redraw::Nothing, [](CGameRom& rom) { rom.gameSettings.lives = 9; });
        QString question, caption;
        AnswerNextMessageBox(QMessageBox::No, &question, &caption);
        window->Action(kCmdExportPatch)->trigger();
        QCOMPARE(caption, QStringLiteral("Export patch"));
        QVERIFY(question.contains(QStringLiteral("Save the ROM now?")));
        QCOMPARE(TempDir::Read(hack.toStdString()), sampleFile);

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
        QCOMPARE(ApplyIpsPatch(sampleFile, TempDir::Read(dir.Path("shared.ips"))),
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

    // The program itself, started as a desktop starts it: the file named opens and is remembered in
    // the program's own settings, relative to the folder it was started in.
    void TheFileOnTheCommandLineOpens() {
        QProcess editor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Path("config"));
        editor.setProcessEnvironment(environment);
        editor.setWorkingDirectory(Path(""));
        editor.start(QStringLiteral(TIKAROO_EDITOR_PATH), {QStringLiteral("sample.nes")});
        QVERIFY(editor.waitForStarted());
        const QString settings = Path("config/tikaroo/tikaroo-editor.conf");
        QTRY_COMPARE_WITH_TIMEOUT(
            QSettings(settings, QSettings::IniFormat).value(QStringLiteral("files/recent")).toStringList(),
            QStringList{samplePath}, 20000);
        editor.kill();
        editor.waitForFinished();
    }

    // The folder of a file chosen in one run's dialog is where the next run's dialogs begin. Recent files:
    // newest first, each file once, at most eight; a file that is gone is shown disabled; an entry opens its
    // file; "Clear list" empties the menu.
    void TheLastFolderADroppedFileAndTheRecentFiles() {
        QVERIFY(QDir().mkpath(Path("roms")));
        const QString copy = Path("roms/copy.nes");
        QVERIFY(QFile::copy(samplePath, copy));
        QVERIFY(Open());
        ChooseFile(copy);
        window->Action(kCmdOpen)->trigger();
        QCOMPARE(window->RomFilePath(), copy);
        QVERIFY(Open()); // the next run
        QString folder;
        OnNextModal<QFileDialog>([&](QFileDialog* files) {
            folder = files->directory().absolutePath();
            files->reject();
        });
        window->Action(kCmdOpen)->trigger();
        QCOMPARE(folder, Path("roms"));

        // Only one local .nes file is taken; while a ROM is loaded its drop is refused as Open refuses.
        const QUrl nes = QUrl::fromLocalFile(QStringLiteral("/games/a.nes"));
        const std::tuple<const char*, QList<QUrl>, bool> cases[] = {
            {"nes", {nes}, true},
            {"upper case", {QUrl::fromLocalFile(QStringLiteral("/games/A.NES"))}, true},
            {"other file", {QUrl::fromLocalFile(QStringLiteral("/games/a.txt"))}, false},
            {"two files", {nes, nes}, false},
            {"remote", {QUrl(QStringLiteral("https://example.org/a.nes"))}, false},
        };
        QVERIFY(window->acceptDrops());
        for (const auto& [name, urls, taken] : cases) QVERIFY2(Drag(*window, urls, false) == taken, name);

        QVERIFY(Drag(*window, {QUrl::fromLocalFile(samplePath)}, true));
        QTRY_COMPARE(window->RomFilePath(), samplePath);
        QString warning;
        QVERIFY(Drag(*window, {QUrl::fromLocalFile(Path("other.nes"))}, true));
        AnswerNextMessageBox(QMessageBox::Ok, &warning); // after the open that the drop has queued
        QTRY_COMPARE(warning, QStringLiteral("File already loaded.\nClose the editor and open again to load "
                                             "new file."));

        QVERIFY(Open());

        QStringList paths;
        for (int i = 0; i < 9; ++i) {
            paths << QString::fromStdString(dir.Write("rom" + std::to_string(i) + ".nes", {}));
            editor_settings::AddRecentFile(paths.back());
        }
        editor_settings::AddRecentFile(samplePath);
        editor_settings::AddRecentFile(paths[7]);
        QFile::remove(paths[6]);

        QMenu* recent = RecentMenu(*window);
        QVERIFY(recent->menuAction()->isEnabled());
        const QList<QAction*> items = recent->actions();
        const QStringList expected = {paths[7], samplePath, paths[8], paths[6],
                                      paths[5], paths[4],   paths[3], paths[2]};
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(items[i]->text(), QStringLiteral("&%1 %2").arg(i + 1).arg(expected[i]));
            QCOMPARE(items[i]->isEnabled(), expected[i] != paths[6]);
        }
        QVERIFY(items[expected.size()]->isSeparator());

        items[1]->trigger(); // opens the file, which comes first now
        QCOMPARE(editor_settings::RecentFiles().mid(0, 2), (QStringList{samplePath, paths[7]}));

        recent = RecentMenu(*window);
        recent->actions().back()->trigger();
        QCOMPARE(recent->actions().size(), 1);
        QVERIFY(!recent->menuAction()->isEnabled());
        QVERIFY(editor_settings::RecentFiles().isEmpty());
    }

    // The title marks unsaved changes; closing asks to save them (the plain question without changes),
    // and a save keeps the old file as .bak unless backups are off. Run from this level runs a copy
    // beginning at the shown level. Run game gives the emulator the file on disk: unsaved changes are
    // saved first, run without, or nothing runs; an emulator that cannot start is reported with the setting.
    // Without an emulator command the system's program for the file runs the game.
    void SavingClosingAndRunningTheGame() {
        const QString game = QString::fromStdString(dir.Write("game.nes", sampleFile));
        QVERIFY(Open(game));
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
        window->Action(kCmdRunGame)->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(game)});

        // The emulator links `target` to the ROM it is given: a link appears whole at once, a copy could be
        // read half written.
        const QString target = Path("run.nes");
        window->ApplyPreferences({QStringLiteral("ln -s %f \"%1\"").arg(target), {}, false}, NesColorSet);
        QVERIFY(window->SaveRomAs({}));
        QVERIFY(!std::filesystem::exists(dir.Path("game.nes.bak")));
        const Bytes saved = TempDir::Read(dir.Path("game.nes"));
        QString message;
        AnswerNextMessageBox(QMessageBox::No, &message);
        window->close();
        QCOMPARE(message, QStringLiteral("Are you sure that you want to close 'game.nes'?"));
        QVERIFY(window->isVisible());

        window->ShowLevel({false, 6});
        window->Action(kCmdRunFromLevel)->trigger();
        QTRY_VERIFY(QFile::exists(target));
        const GameSettings fromLevel = SettingsOf(target);
        QCOMPARE(std::pair(int(fromLevel.beginArea), int(fromLevel.beginRound)), std::pair(1, 2));
        QFile::remove(target);

        window->ApplyChange(Redraw::Nothing, [](CGameRom& rom) { rom.gameSettings.lives = 7; });
        AnswerNextMessageBox(QMessageBox::Cancel, &message);
        window->Action(kCmdRunGame)->trigger();
        QVERIFY(message.contains(QStringLiteral("not saved")));
        QVERIFY(!QFile::exists(target));
        OnNextModal<QMessageBox>([](QMessageBox* box) { Button(box, "Run without saving")->click(); });
        window->Action(kCmdRunGame)->trigger();
        QTRY_VERIFY(QFile::exists(target));
        QCOMPARE(TempDir::Read(target.toStdString()), saved);
        QVERIFY(window->Modified());
        QFile::remove(target);
        AnswerNextMessageBox(QMessageBox::Save, &message);
        window->Action(kCmdRunGame)->trigger();
        QTRY_VERIFY(QFile::exists(target));
        QCOMPARE(int(SettingsOf(target).lives), 7); // saved first

        window->ApplyPreferences({QStringLiteral("/no/such/emulator %f"), {}, true}, NesColorSet);
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        window->Action(kCmdRunGame)->trigger();
        QVERIFY(message.contains(QStringLiteral("/no/such/emulator")));
        QVERIFY(message.contains(QStringLiteral("\"Emulator command\" in Edit > Preferences")));

        window->ApplyChange(Redraw::Nothing, [](CGameRom& rom) { rom.gameSettings.lives = 8; });
        AnswerNextMessageBox(QMessageBox::Cancel, &message);
        window->close();
        QCOMPARE(message,
                 QStringLiteral("'game.nes' has changes that are not saved.\nSave them before closing?"));
        QVERIFY(window->isVisible());
        const Bytes old = TempDir::Read(dir.Path("game.nes"));
        AnswerNextMessageBox(QMessageBox::Save, &message);
        window->close();
        QVERIFY(!window->isVisible());
        QCOMPARE(TempDir::Read(dir.Path("game.nes.bak")), old);
        QCOMPARE(int(SettingsOf(game).lives), 8);

        // The emulator command is split and the ROM path placed.
        const QString rom = QStringLiteral("/games/my hack.nes");
        const std::pair<QString, std::optional<EmulatorLaunch>> cases[] = {
            {"\"/opt/An Emulator/run\" -rom=%f -x",
             EmulatorLaunch{"/opt/An Emulator/run", {"-rom=" + rom, "-x"}}},
            {"emulator", EmulatorLaunch{"emulator", {rom}}},
            {"emulator \"%f\" %f", EmulatorLaunch{"emulator", {rom, rom}}},
            {"   ", std::nullopt},
        };
        for (const auto& [command, launch] : cases) QCOMPARE(BuildEmulatorLaunch(command, rom), launch);
    }

    // A colour file of the wrong size is refused in the dialog; a good one recolours the canvas and is kept
    // for the next run. Ctrl with the wheel zooms around the mouse, the commands step and reset the zoom,
    // the plus key alone is a room key, and the zoom and the grid are kept for the next window.
    void ColoursAreKeptAndZoomKeepsThePointUnderTheMouseAndWhatAClickHits() {
        QVERIFY(Open(samplePath));
        const QString good = QString::fromStdString(dir.Write("grey.pal", Bytes(192, 0x12)));
        const QString bad = QString::fromStdString(dir.Write("short.pal", Bytes(100, 0)));
        const QImage plain = window->Canvas()->grab().toImage();

        QString message;
        OnNextModal<CPreferencesDlg>([&](CPreferencesDlg* dialog) {
            ClickBox(dialog->findChild<QRadioButton*>("fileColours"));
            auto* file = dialog->findChild<QLineEdit*>("colourFile");
            QTest::keyClicks(file, bad);
            AnswerNextMessageBox(QMessageBox::Ok, &message);
            QTest::keyClick(file, Qt::Key_Return);
            file->clear();
            QTest::keyClicks(file, good);
            QTest::keyClicks(dialog->findChild<QLineEdit*>("emulatorCommand"), "emu %f");
            QTest::keyClick(file, Qt::Key_Return);
        });
        window->Action(kCmdPreferences)->trigger();
        QCOMPARE(message, QStringLiteral(
                              "Unable to use the colour file '%1'.\n\nA colour file holds 192 or 1536 bytes")
                              .arg(bad));
        QVERIFY(window->Canvas()->grab().toImage() != plain);
        QVERIFY(!window->Modified());
        QCOMPARE(editor_settings::LoadPreferences(), (Preferences{QStringLiteral("emu %f"), good, true}));
        window->ApplyPreferences({}, NesColorSet);

        window->resize(600, 450); // smaller than the level picture at 1/2, so that every zoom can scroll
        CNesCanvas* canvas = window->Canvas();
        canvas->horizontalScrollBar()->setValue(1000);
        canvas->verticalScrollBar()->setValue(300);
        const QPoint mouse(300, 150);
        for (int delta : {120, 120, 120, 120, -120, -120, -120, -120, -120, -120}) {
            const QPoint before = canvas->ToPicture(mouse);
            QWheelEvent wheel(mouse, canvas->viewport()->mapToGlobal(mouse), {}, {0, delta}, Qt::NoButton,
                              Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(canvas->viewport(), &wheel);
            QVERIFY((canvas->ToPicture(mouse) - before).manhattanLength() <= 2);
        }
        QCOMPARE(canvas->ZoomStep(), CNesCanvas::kMinZoomStep);
        QTest::keyClick(canvas, Qt::Key_Plus); // a room key
        QCOMPARE(canvas->ZoomStep(), CNesCanvas::kMinZoomStep);

        // With Ctrl the plus and minus keys zoom and leave the room alone (shortcuts need the active window).
        QVERIFY(Activate());
        const int setRoom = window->Rom().ReadRoom(window->CurrentRoom()).setRoom;
        for (const Qt::Key key : {Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Minus})
            QTest::keyClick(canvas, key, Qt::ControlModifier);
        QCOMPARE(canvas->ZoomStep(), CNesCanvas::kMinZoomStep + 1);
        QCOMPARE(window->Rom().ReadRoom(window->CurrentRoom()).setRoom, setRoom);
        QCOMPARE(CMainWindow().Canvas()->ZoomStep(), CNesCanvas::kMinZoomStep + 1);
        QTest::keyClick(canvas, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(canvas->ZoomStep(), 0);

        const QImage withoutGrid = canvas->grab().toImage();
        window->Action(kCmdShowGrid)->trigger();
        QVERIFY(canvas->grab().toImage() != withoutGrid);
        QVERIFY(CMainWindow().Action(kCmdShowGrid)->isChecked());

        // A click at any zoom picks the same room, object and click point as at actual size.
        const QPoint target = MarkerPoint(ObjectsLevel(window->Rom())->objectLists[0][1]) + QPoint(2, 2);
        std::optional<std::tuple<int, int, int, QPoint, QRect>> atActualSize;
        for (int step : {0, 1, CNesCanvas::kMinZoomStep, CNesCanvas::kMaxZoomStep}) {
            window->ShowLevel({false, 0});
            canvas->SetZoomStep(step);
            // The target near the top left corner of the view.
            const QPoint shift = canvas->FromPicture(target) - QPoint(200, 200);
            canvas->horizontalScrollBar()->setValue(canvas->horizontalScrollBar()->value() + shift.x());
            canvas->verticalScrollBar()->setValue(canvas->verticalScrollBar()->value() + shift.y());
            QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, canvas->FromPicture(target));
            const ViewState& view = window->Rom().view;
            const auto picked = std::tuple(window->CurrentRoom(), view.selectedList, view.selectedIndex,
                                           QPoint(view.clickX, view.clickY), canvas->Frame());
            if (!atActualSize) atActualSize = picked;
            QVERIFY2(picked == *atActualSize, qPrintable(QStringLiteral("zoom step %1").arg(step)));
        }
        QCOMPARE(std::get<2>(*atActualSize), 1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
