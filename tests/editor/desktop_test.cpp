// The editor as a desktop program: preferences kept between runs, the emulator, backups, the unsaved
// changes mark, the canvas zoom and grid.
#include "dialogs/dialog_driver.h"
#include "dialogs/preferences_dlg.h"
#include "editor/editor_settings.h"
#include "editor/emulator_launch.h"
#include "editor/main_window.h"
#include "editor/nes_canvas.h"
#include "game/level_lookup.h"
#include "game/level_selection.h"
#include "render/nes_colors.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QWheelEvent>

#include <filesystem>
#include <optional>
#include <tuple>

using namespace tikaroo;
using test::AnswerNextMessageBox;
using test::OnNextModal;

class DesktopTest : public QObject {
    Q_OBJECT
    test::TempDir dir;
    QString samplePath;

    QString Path(const char* name) const { return QString::fromStdString(dir.Path(name)); }

    // A window on a fresh copy of the sample whose emulator links `runTarget` to the ROM it is given (a
    // link appears whole at once, while a copy could be read half written).
    void OpenWithLinkingEmulator(CMainWindow& window, const QString& runTarget) {
        std::filesystem::copy_file(samplePath.toStdString(), dir.Path("game.nes"),
                                   std::filesystem::copy_options::overwrite_existing);
        QVERIFY(window.OpenRom(Path("game.nes")));
        Preferences preferences = window.CurrentPreferences();
        preferences.emulatorCommand = QStringLiteral("ln -s %f \"%1\"").arg(runTarget);
        window.ApplyPreferences(preferences, ActiveNesColours());
    }

private slots:
    void initTestCase() {
        samplePath = QString::fromStdString(dir.Write("sample.nes", sample::MakeSampleGame().file));
    }

    void init() { QSettings().clear(); }

    void EmulatorCommandIsSplitAndTheRomPathPlaced() {
        const QString rom = QStringLiteral("/games/my hack.nes");
        struct Case {
            QString command;
            std::optional<EmulatorLaunch> launch;
        };
        const Case cases[] = {
            {"emulator --fullscreen %f", EmulatorLaunch{"emulator", {"--fullscreen", rom}}},
            {"\"/opt/An Emulator/run\" -rom=%f -x",
             EmulatorLaunch{"/opt/An Emulator/run", {"-rom=" + rom, "-x"}}},
            {"emulator", EmulatorLaunch{"emulator", {rom}}},
            {"emulator \"%f\" %f", EmulatorLaunch{"emulator", {rom, rom}}},
            {"", std::nullopt},
            {"   ", std::nullopt},
        };
        for (const Case& c : cases) QCOMPARE(BuildEmulatorLaunch(c.command, rom), c.launch);
    }

    // The emulator gets the file on disk: unsaved changes are saved first, run without, or nothing runs.
    void RunGameAsksAboutUnsavedChangesAndRunsTheFileOnDisk() {
        CMainWindow window;
        window.show();
        const QString target = Path("run.nes");
        OpenWithLinkingEmulator(window, target);
        window.Action(kCmdRunGame)->trigger();
        QTRY_VERIFY(QFile::exists(target));
        QCOMPARE(test::TempDir::Read(target.toStdString()), test::TempDir::Read(dir.Path("game.nes")));
        QFile::remove(target);

        window.ApplyChange(Redraw::Nothing, [](CGameRom& rom) { rom.gameSettings.lives = 7; });
        QString question;
        AnswerNextMessageBox(QMessageBox::Cancel, &question);
        window.Action(kCmdRunGame)->trigger();
        QVERIFY(question.contains(QStringLiteral("not saved")));
        QVERIFY(!QFile::exists(target));

        OnNextModal<QMessageBox>([](QMessageBox* box) { test::Button(box, "Run without saving")->click(); });
        window.Action(kCmdRunGame)->trigger();
        QTRY_VERIFY(QFile::exists(target));
        QCOMPARE(test::TempDir::Read(target.toStdString()), sample::MakeSampleGame().file);
        QVERIFY(window.Modified());
        QFile::remove(target);

        AnswerNextMessageBox(QMessageBox::Save, &question);
        window.Action(kCmdRunGame)->trigger();
        QVERIFY(!window.Modified());
        QTRY_VERIFY(QFile::exists(target));
        CGameRom ran;
        ran.LoadRom(target.toStdString());
        QCOMPARE(ran.gameSettings.lives, 7);
    }

    void AnEmulatorThatCannotStartIsReportedWithTheSetting() {
        CMainWindow window;
        window.show();
        OpenWithLinkingEmulator(window, Path("unused.nes"));
        window.ApplyPreferences({QStringLiteral("/no/such/emulator %f"), {}, true}, NesColorSet);
        QString message;
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        window.Action(kCmdRunGame)->trigger();
        QVERIFY(message.contains(QStringLiteral("/no/such/emulator")));
        QVERIFY(message.contains(QStringLiteral("\"Emulator command\" in Edit > Preferences")));
    }

    void RunFromThisLevelRunsACopyBeginningThere() {
        CMainWindow window;
        window.show();
        const QString target = Path("from-level.nes");
        OpenWithLinkingEmulator(window, target);
        window.ShowLevel({false, 6});
        window.Action(kCmdRunFromLevel)->trigger();
        QTRY_VERIFY(QFile::exists(target));
        CGameRom ran;
        ran.LoadRom(target.toStdString());
        QCOMPARE(int(ran.gameSettings.beginArea), 1);
        QCOMPARE(int(ran.gameSettings.beginRound), 2);
        QVERIFY(!window.Modified());
        QCOMPARE(test::TempDir::Read(dir.Path("game.nes")), sample::MakeSampleGame().file);
        window.ShowLevel({true, 0});
        QVERIFY(!window.Action(kCmdRunFromLevel)->isEnabled());
    }

    // The title marks unsaved changes; closing asks to save them, and the save keeps the old file as .bak.
    void UnsavedChangesAreMarkedAskedAboutAndSavedWithABackup() {
        CMainWindow window;
        window.show();
        OpenWithLinkingEmulator(window, Path("unused.nes"));
        QVERIFY(window.windowTitle().contains(QStringLiteral("[game.nes] ")));
        window.ApplyChange(Redraw::Nothing, [](CGameRom& rom) { rom.gameSettings.lives = 7; });
        QVERIFY(window.windowTitle().contains(QStringLiteral("[game.nes*] ")));

        QString question;
        AnswerNextMessageBox(QMessageBox::Cancel, &question);
        window.close();
        QCOMPARE(question,
                 QStringLiteral("'game.nes' has changes that are not saved.\nSave them before closing?"));
        QVERIFY(window.isVisible());
        AnswerNextMessageBox(QMessageBox::Save, &question);
        window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(test::TempDir::Read(dir.Path("game.nes.bak")), sample::MakeSampleGame().file);
        CGameRom saved;
        saved.LoadRom(dir.Path("game.nes"));
        QCOMPARE(saved.gameSettings.lives, 7);

        // Without changes the question is the plain one; with backups off no .bak is written.
        CMainWindow second;
        second.show();
        OpenWithLinkingEmulator(second, Path("unused.nes"));
        second.ApplyPreferences({{}, {}, false}, NesColorSet);
        std::filesystem::remove(dir.Path("game.nes.bak"));
        QVERIFY(second.SaveRomAs({}));
        QVERIFY(!std::filesystem::exists(dir.Path("game.nes.bak")));
        AnswerNextMessageBox(QMessageBox::Yes, &question);
        second.close();
        QCOMPARE(question, QStringLiteral("Are you sure that you want to close 'game.nes'?"));
    }

    // A colour file of the wrong size is refused in the dialog; a good one recolours the canvas and is
    // kept for the next run.
    void PreferencesDialogTakesAColourFile() {
        Bytes inverted;
        for (std::uint32_t colour : NesColorSet)
            for (int shift : {16, 8, 0}) inverted.push_back(static_cast<std::uint8_t>(~colour >> shift));
        const QString good = QString::fromStdString(dir.Write("inverted.pal", inverted));
        const QString bad = QString::fromStdString(dir.Write("short.pal", Bytes(100, 0)));
        CMainWindow window;
        window.show();
        QVERIFY(window.OpenRom(samplePath));
        const QImage before = window.Canvas()->grab().toImage();

        QString message;
        OnNextModal<CPreferencesDlg>([&](CPreferencesDlg* dialog) {
            auto* fromFile = dialog->findChild<QRadioButton*>("fileColours");
            QTest::mouseClick(fromFile, Qt::LeftButton, {}, QPoint(6, fromFile->height() / 2));
            auto* file = dialog->findChild<QLineEdit*>("colourFile");
            QTest::keyClicks(file, bad);
            AnswerNextMessageBox(QMessageBox::Ok, &message);
            QTest::keyClick(file, Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            file->clear();
            QTest::keyClicks(file, good);
            QTest::keyClicks(dialog->findChild<QLineEdit*>("emulatorCommand"), "emu %f");
            QTest::keyClick(file, Qt::Key_Return);
        });
        window.Action(kCmdPreferences)->trigger();
        QCOMPARE(message, QStringLiteral(
                              "Unable to use the colour file '%1'.\n\nA colour file holds 192 or 1536 bytes")
                              .arg(bad));
        QCOMPARE(ActiveNesColours()[0x16], ~NesColorSet[0x16] & 0xFFFFFF);
        QVERIFY(window.Canvas()->grab().toImage() != before);
        QVERIFY(!window.Modified());
        const Preferences kept = editor_settings::LoadPreferences();
        QCOMPARE(kept.colourFile, good);
        QCOMPARE(kept.emulatorCommand, QStringLiteral("emu %f"));
        window.ApplyPreferences({}, NesColorSet);
    }

    // Ctrl with the wheel zooms around the mouse, the commands step and reset the zoom, the plus key alone
    // is a room key, and the zoom and the grid are kept for the next window.
    void ZoomKeepsThePointUnderTheMouse() {
        CMainWindow window;
        window.resize(600, 450); // smaller than the level picture at 1/2, so that every zoom can scroll
        window.show();
        QVERIFY(window.OpenRom(samplePath));
        CNesCanvas* canvas = window.Canvas();
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
        QTest::keyClick(canvas, Qt::Key_Plus);
        QCOMPARE(canvas->ZoomStep(), CNesCanvas::kMinZoomStep);
        QVERIFY(window.Modified());

        // With Ctrl the plus and minus keys zoom and leave the room alone (shortcuts need the active window).
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const int setRoom = window.Rom().ReadRoom(window.CurrentRoom()).setRoom;
        struct Press {
            Qt::Key key;
            int step;
        };
        for (const Press press : {Press{Qt::Key_Plus, CNesCanvas::kMinZoomStep + 1},
                                  Press{Qt::Key_Plus, CNesCanvas::kMinZoomStep + 2},
                                  Press{Qt::Key_Minus, CNesCanvas::kMinZoomStep + 1}}) {
            QTest::keyClick(canvas, press.key, Qt::ControlModifier);
            QCOMPARE(canvas->ZoomStep(), press.step);
        }
        QCOMPARE(window.Rom().ReadRoom(window.CurrentRoom()).setRoom, setRoom);
        QCOMPARE(CMainWindow().Canvas()->ZoomStep(), CNesCanvas::kMinZoomStep + 1);
        QTest::keyClick(canvas, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(canvas->ZoomStep(), 0);

        const QImage withoutGrid = canvas->grab().toImage();
        window.Action(kCmdShowGrid)->trigger();
        QVERIFY(canvas->grab().toImage() != withoutGrid);
        QVERIFY(CMainWindow().Action(kCmdShowGrid)->isChecked());
    }

    // A click at any zoom picks the same room, object and click point as at actual size.
    void ClicksHitTheSamePlaceAtEveryZoom() {
        CMainWindow window;
        window.show();
        QVERIFY(window.OpenRom(samplePath));
        CNesCanvas* canvas = window.Canvas();
        const ObjectEntry& object = ObjectsLevel(window.Rom())->objectLists[0][1];
        const QPoint target(static_cast<int>(object.x - window.Rom().ObjectsOrigin()) + 2,
                            object.canvasY + 2);
        std::optional<std::tuple<int, int, int, QPoint, QRect>> atActualSize;
        for (int step : {0, 1, CNesCanvas::kMinZoomStep, CNesCanvas::kMaxZoomStep}) {
            window.ShowLevel({false, 0});
            canvas->SetZoomStep(step);
            // The target near the top left corner of the view.
            const QPoint shift = canvas->FromPicture(target) - QPoint(200, 200);
            canvas->horizontalScrollBar()->setValue(canvas->horizontalScrollBar()->value() + shift.x());
            canvas->verticalScrollBar()->setValue(canvas->verticalScrollBar()->value() + shift.y());
            QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, canvas->FromPicture(target));
            const ViewState& view = window.Rom().view;
            const auto picked = std::tuple(window.CurrentRoom(), view.selectedList, view.selectedIndex,
                                           QPoint(view.clickX, view.clickY), canvas->Frame());
            if (!atActualSize) atActualSize = picked;
            QVERIFY2(picked == *atActualSize, qPrintable(QStringLiteral("zoom step %1").arg(step)));
        }
        QCOMPARE(std::get<2>(*atActualSize), 1);
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
