#include "dialogs/dialog_driver.h"
#include "editor/main_window.h"
#include "rom/bps_patch.h"
#include "rom/ips_patch.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QTest>

using namespace tikaroo;
using test::ChooseFile;
using test::OnNextModal;

class ExportPatchTest : public QObject {
    Q_OBJECT
    test::TempDir dir;
    QString original;
    QString hack;

    Bytes Read(const QString& path) { return test::TempDir::Read(path.toStdString()); }

private slots:
    void init() {
        original = QString::fromStdString(dir.Write("original.nes", sample::MakeSampleGame().file));
        hack = QString::fromStdString(dir.Write("hack.nes", sample::MakeSampleGame().file));
    }

    void AnEditIsSavedFirstAndThePatchMakesTheSavedFileOfTheOriginal() {
        CMainWindow window;
        window.show();
        QVERIFY(window.OpenRom(hack));
        window.ApplyChange(Redraw::Nothing, [](CGameRom& rom) { rom.gameSettings.lives = 9; });

        QString question, caption;
        const QString bps = QString::fromStdString(dir.Path("hack.bps"));
        OnNextModal<QMessageBox>([&](QMessageBox* box) {
            question = box->text();
            caption = box->windowTitle();
            box->button(QMessageBox::Yes)->click();
            ChooseFile(original, [&] { ChooseFile(bps); });
        });
        window.Action(kCmdExportPatch)->trigger();
        QCOMPARE(caption, QStringLiteral("Export patch"));
        QVERIFY(question.contains(QStringLiteral("Save the ROM now?")));
        QVERIFY(!window.Modified());
        QCOMPARE(ApplyBpsPatch(Read(original), Read(bps)), Read(hack));

        // Saved now: no question; the original is offered again, and a name typed without an extension
        // takes the chosen filter's.
        QString offered;
        OnNextModal<QFileDialog>([&](QFileDialog* dialog) {
            offered = dialog->selectedFiles().value(0);
            static_cast<QDialog*>(dialog)->accept();
            OnNextModal<QFileDialog>([&](QFileDialog* patchDialog) {
                patchDialog->selectNameFilter(QStringLiteral("IPS patch (*.ips)"));
                patchDialog->selectFile(QString::fromStdString(dir.Path("shared")));
                static_cast<QDialog*>(patchDialog)->accept();
            });
        });
        window.Action(kCmdExportPatch)->trigger();
        QCOMPARE(offered, original);
        QCOMPARE(ApplyIpsPatch(Read(original), Read(QString::fromStdString(dir.Path("shared.ips")))),
                 Read(hack));
        QVERIFY(window.StatusText(0).startsWith(QStringLiteral("IPS patch written: shared.ips")));
    }

    void DecliningTheSaveExportsNothing() {
        CMainWindow window;
        window.show();
        QVERIFY(window.OpenRom(hack));
        window.ApplyChange(Redraw::Nothing, [](CGameRom& rom) { rom.gameSettings.lives = 8; });
        OnNextModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
        window.Action(kCmdExportPatch)->trigger();
        QVERIFY(window.Modified());
        QCOMPARE(Read(hack), sample::MakeSampleGame().file);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(ExportPatchTest)
#include "export_patch_test.moc"
