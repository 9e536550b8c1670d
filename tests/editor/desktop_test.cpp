// The editor as a desktop program: preferences kept between runs, the emulator, backups and the unsaved
// changes mark.
#include "dialogs/dialog_driver.h"
#include "dialogs/preferences_dlg.h"
#include "editor/editor_settings.h"
#include "editor/emulator_launch.h"
#include "editor/main_window.h"
#include "editor/nes_canvas.h"
#include "game/level_selection.h"
#include "render/nes_colors.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include <filesystem>

using namespace tikaroo;
using test::AnswerNextMessageBox;
using test::OnNextModal;

class DesktopTest : public QObject {
    Q_OBJECT
    test::TempDir dir;
    QString samplePath;

    QString Path(const char* name) const { return QString::fromStdString(dir.Path(name)); }

    // A window on a fresh copy of the sample whose emulator copies the ROM it is given to `runTarget`.
    void OpenWithCopyingEmulator(CMainWindow& window, const QString& runTarget) {
        std::filesystem::copy_file(samplePath.toStdString(), dir.Path("game.nes"),
                                   std::filesystem::copy_options::overwrite_existing);
        QVERIFY(window.OpenRom(Path("game.nes")));
        Preferences preferences = window.CurrentPreferences();
        preferences.emulatorCommand = QStringLiteral("cp %f \"%1\"").arg(runTarget);
        window.ApplyPreferences(preferences, ActiveNesColours());
    }

private slots:
    void initTestCase() {
        QCoreApplication::setOrganizationName(QStringLiteral("tikaroo-tests"));
        QCoreApplication::setApplicationName(QStringLiteral("desktop_test"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Path("settings"));
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
        OpenWithCopyingEmulator(window, target);
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
        OpenWithCopyingEmulator(window, Path("unused.nes"));
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
        OpenWithCopyingEmulator(window, target);
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
        OpenWithCopyingEmulator(window, Path("unused.nes"));
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
        OpenWithCopyingEmulator(second, Path("unused.nes"));
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
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
