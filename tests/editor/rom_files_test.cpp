// How ROM files reach the editor: the command line, a drop, the recent files and the remembered folder.
#include "dialogs/dialog_driver.h"
#include "editor/editor_settings.h"
#include "editor/main_window.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <QUrl>

using namespace tikaroo;
using test::AnswerNextMessageBox;
using test::OnNextModal;

namespace {

QMenu* FileMenu(CMainWindow& window) {
    return window.menuBar()->actions().front()->menu();
}

// The recent files menu as the user sees it when opening File.
QMenu* RecentMenu(CMainWindow& window) {
    emit FileMenu(window)->aboutToShow();
    return window.findChild<QMenu*>("recentFiles");
}

QStringList Texts(const QList<QAction*>& items) {
    QStringList texts;
    for (const QAction* item : items) texts << item->text();
    return texts;
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

} // namespace

class RomFilesTest : public QObject {
    Q_OBJECT
    test::TempDir dir;
    QString samplePath;

    QString Path(const char* name) const { return QString::fromStdString(dir.Path(name)); }

private slots:
    void initTestCase() {
        samplePath = QString::fromStdString(dir.Write("sample.nes", sample::MakeSampleGame().file));
    }

    void init() { QSettings().clear(); }

    // The program itself, started as a desktop starts it: the file named opens and is remembered in
    // the program's own settings, relative to the folder it was started in.
    void TheFileOnTheCommandLineOpens() {
        QProcess editor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Path("config"));
        editor.setProcessEnvironment(environment);
        editor.setWorkingDirectory(QString::fromStdString(dir.Path("")));
        editor.start(QStringLiteral(TIKAROO_EDITOR_PATH), {QStringLiteral("sample.nes")});
        QVERIFY(editor.waitForStarted());
        const QString settings = Path("config/tikaroo/tikaroo-editor.conf");
        QTRY_COMPARE_WITH_TIMEOUT(
            QSettings(settings, QSettings::IniFormat).value(QStringLiteral("files/recent")).toStringList(),
            QStringList{samplePath}, 20000);
        editor.kill();
        editor.waitForFinished();
    }

    void OnlyOneLocalNesFileIsTaken() {
        struct Case {
            const char* name;
            QList<QUrl> urls;
            bool taken;
        };
        const QUrl nes = QUrl::fromLocalFile(QStringLiteral("/games/a.nes"));
        const Case cases[] = {
            {"nes", {nes}, true},
            {"upper case", {QUrl::fromLocalFile(QStringLiteral("/games/A.NES"))}, true},
            {"other file", {QUrl::fromLocalFile(QStringLiteral("/games/a.txt"))}, false},
            {"two files", {nes, nes}, false},
            {"remote", {QUrl(QStringLiteral("https://example.org/a.nes"))}, false},
        };
        CMainWindow window;
        QVERIFY(window.acceptDrops());
        for (const Case& c : cases) QVERIFY2(Drag(window, c.urls, false) == c.taken, c.name);
    }

    // A drop opens the file; while a ROM is loaded the drop is refused as Open refuses.
    void ADroppedRomOpensOnce() {
        CMainWindow window;
        window.show();
        QVERIFY(Drag(window, {QUrl::fromLocalFile(samplePath)}, true));
        QTRY_VERIFY(window.Rom().loaded != 0);
        QCOMPARE(window.RomFilePath(), samplePath);

        QString warning;
        QVERIFY(Drag(window, {QUrl::fromLocalFile(Path("other.nes"))}, true));
        AnswerNextMessageBox(QMessageBox::Ok, &warning); // after the open that the drop has queued
        QTRY_COMPARE(warning, QStringLiteral("File already loaded.\nClose the editor and open again to load "
                                             "new file."));
        QCOMPARE(window.RomFilePath(), samplePath);
    }

    // Newest first, each file once, at most eight; a file that is gone is shown disabled; an entry
    // opens its file; "Clear list" empties the menu.
    void RecentFilesOrderLimitAndClear() {
        CMainWindow window;
        window.show();
        QVERIFY(!RecentMenu(window)->menuAction()->isEnabled());
        QStringList paths;
        for (int i = 0; i < 9; ++i) {
            paths << QString::fromStdString(dir.Write("rom" + std::to_string(i) + ".nes", {}));
            editor_settings::AddRecentFile(paths.back());
        }
        editor_settings::AddRecentFile(samplePath);
        editor_settings::AddRecentFile(paths[7]);
        QFile::remove(paths[6]);

        QMenu* recent = RecentMenu(window);
        QVERIFY(recent->menuAction()->isEnabled());
        const QList<QAction*> items = recent->actions();
        const QStringList expected = {paths[7], samplePath, paths[8], paths[6],
                                      paths[5], paths[4],   paths[3], paths[2]};
        QStringList shown;
        for (int i = 0; i < expected.size(); ++i) {
            shown << QStringLiteral("&%1 %2").arg(i + 1).arg(expected[i]);
            QCOMPARE(items[i]->isEnabled(), expected[i] != paths[6]);
        }
        QCOMPARE(Texts(items.mid(0, expected.size())), shown);
        QVERIFY(items[expected.size()]->isSeparator());

        items[1]->trigger();
        QVERIFY(window.Rom().loaded != 0);
        QCOMPARE(editor_settings::RecentFiles().mid(0, 2), (QStringList{samplePath, paths[7]}));

        recent = RecentMenu(window);
        recent->actions().back()->trigger();
        QCOMPARE(Texts(recent->actions()), QStringList{QStringLiteral("Clear list")});
        QVERIFY(!recent->menuAction()->isEnabled());
        QVERIFY(editor_settings::RecentFiles().isEmpty());
    }

    // The folder of a file chosen in one run's dialog is where the next run's dialogs begin.
    void TheLastFolderIsRemembered() {
        QVERIFY(QDir().mkpath(Path("roms")));
        const QString copy = Path("roms/copy.nes");
        QVERIFY(QFile::copy(samplePath, copy));
        {
            CMainWindow window;
            window.show();
            test::ChooseFile(copy);
            window.Action(kCmdOpen)->trigger();
            QCOMPARE(window.RomFilePath(), copy);
        }
        CMainWindow next;
        next.show();
        QString folder;
        OnNextModal<QFileDialog>([&](QFileDialog* files) {
            folder = files->directory().absolutePath();
            files->reject();
        });
        next.Action(kCmdOpen)->trigger();
        QCOMPARE(folder, Path("roms"));
    }
};

QTEST_MAIN(RomFilesTest)
#include "rom_files_test.moc"
