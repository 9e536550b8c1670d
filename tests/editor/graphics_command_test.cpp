// Graphics sets (Ctrl+J) on the sample game: the dialogs driven by keys and mouse, the model changed only
// by the manager's OK, the changes saved and seen again after reopening.
#include "dialogs/block_editor_dlg.h"
#include "dialogs/blocks_editor_dlg.h"
#include "dialogs/dialog_driver.h"
#include "dialogs/graphic_set_editor_dlg.h"
#include "dialogs/graphic_set_man_dlg.h"
#include "dialogs/tile_import_dlg.h"
#include "dialogs/tile_sheet_file.h"
#include "editor/main_window.h"
#include "editor/nes_canvas.h"
#include "game/level_selection.h"
#include "render/level_renderer.h"
#include "render/tile_sheet.h"
#include "sample_game.h"
#include "support/temp_dir.h"
#include "support/tile_sheet_pictures.h"

#include <QAction>
#include <QFileDialog>
#include <QTreeWidget>

#include <functional>

using namespace tikaroo;
using namespace tikaroo::test;

namespace {

// In the open graphics manager: imports `sheet` into bank 1 with the proposed assignment.
void ImportIntoBankOne(CGraphicSetManDlg* manager, const QString& sheet) {
    auto* list = manager->findChild<QTreeWidget*>();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(0)).center());
    OnNextModal<QFileDialog>([sheet](QFileDialog* files) {
        files->selectFile(sheet);
        static_cast<QDialog*>(files)->accept();
        OnNextModal<CTileImportDlg>(
            [](CTileImportDlg* importer) { QTest::keyClick(importer, Qt::Key_Return); });
    });
    QTest::mouseClick(Button(manager, QStringLiteral("Import tiles...")), Qt::LeftButton);
}

CNesCanvas* KeyCanvas(QWidget* dialog) {
    return dialog->findChild<CNesCanvas*>();
}

// The level picture of every level slot: the rooms as the level's graphic set draws them.
std::vector<PictureBuffer> LevelPictures(CGameRom& rom) {
    CLevelRenderer renderer;
    std::vector<PictureBuffer> pictures;
    for (std::uint8_t slot = 0; slot < kPlayableLevelCount; ++slot) {
        SelectLevel(rom, {false, slot});
        renderer.PrepareLevel(rom, rom);
        pictures.push_back(renderer.LevelPicture());
    }
    return pictures;
}

// Shortcuts reach only the active window.
void ShowActive(CMainWindow& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class GraphicsCommandTest : public QObject {
    Q_OBJECT
    TempDir dir;
    QString samplePath;
    QString sheetPath;

private slots:
    void initTestCase() {
        samplePath = QString::fromStdString(dir.Write("sample.nes", sample::MakeSampleGame().file));
        sheetPath = QString::fromStdString(dir.Path("sheet.png"));
        QVERIFY(WritePngFile(DrawTileSheet(PatternedTiles(), test::kAscendingGreys), sheetPath));
    }

    void CancelInTheManagerDropsEverythingImportsIncluded() {
        CMainWindow window;
        ShowActive(window);
        QVERIFY(window.OpenRom(samplePath));
        const EditGraphicSets before = *window.Rom().ExpandGraphicSets();
        bool opened = false;
        OnNextModal<CGraphicSetManDlg>([this, &before, &opened](CGraphicSetManDlg* manager) {
            opened = true;
            ImportIntoBankOne(manager, sheetPath);
            QCOMPARE(manager->Sets()[0].tiles, PatternedTiles());
            OnNextModal<CGraphicSetEditorDlg>([](CGraphicSetEditorDlg* editor) {
                QTest::mouseClick(Button(editor, QStringLiteral("+")), Qt::LeftButton);
                QTest::keyClick(KeyCanvas(editor), Qt::Key_Return);
            });
            QTest::mouseClick(Button(manager, QStringLiteral("Set editor...")), Qt::LeftButton);
            QCOMPARE(manager->Sets()[0].rooms.size(), before[0].rooms.size() + 1);
            QTest::keyClick(manager, Qt::Key_Escape);
        });
        QTest::keyClick(&window, Qt::Key_J, Qt::ControlModifier);
        QVERIFY(opened);
        QCOMPARE(*window.Rom().ExpandGraphicSets(), before);
        QVERIFY(!window.Modified());
    }

    void EditsThroughTheDialogsReachTheSavedLevelsOfTheirSetOnly() {
        CGameRom original;
        original.LoadRom(samplePath.toStdString());
        const EditGraphicSet set = original.ExpandGraphicSets()->at(0);
        const std::uint8_t cellBlock = set.rooms[0][2 * 4 + 1]; // room 1, row 2, column 1

        CMainWindow window;
        ShowActive(window);
        QVERIFY(window.OpenRom(samplePath));
        OnNextModal<CGraphicSetManDlg>([this](CGraphicSetManDlg* manager) {
            ImportIntoBankOne(manager, sheetPath);
            OnNextModal<CGraphicSetEditorDlg>([](CGraphicSetEditorDlg* editor) {
                // The cell's block steps on by one; then tile 0 and the top left attribute of that block.
                ClickPicture(KeyCanvas(editor), 32 + 4, 2 * 32 + 4);
                Keys(KeyCanvas(editor), {Qt::Key_Plus});
                OnNextModal<CBlocksEditorDlg>([](CBlocksEditorDlg* blocks) {
                    OnNextModal<CBlockEditorDlg>([](CBlockEditorDlg* block) {
                        Keys(KeyCanvas(block), {Qt::Key_Plus, Qt::Key_C, Qt::Key_Return});
                    });
                    Keys(KeyCanvas(blocks), {Qt::Key_Insert, Qt::Key_Return});
                });
                QTest::mouseClick(Button(editor, QStringLiteral("Modify block...")), Qt::LeftButton);
                // A room that no level uses yet.
                QTest::mouseClick(Button(editor, QStringLiteral("+")), Qt::LeftButton);
                QTest::keyClick(KeyCanvas(editor), Qt::Key_Return);
            });
            QTest::mouseClick(Button(manager, QStringLiteral("Set editor...")), Qt::LeftButton);
            QTest::keyClick(manager, Qt::Key_Return);
        });
        QTest::keyClick(&window, Qt::Key_J, Qt::ControlModifier);
        QVERIFY(window.Modified());
        const EditGraphicSet edited = window.Rom().ExpandGraphicSets()->at(0);
        QCOMPARE(edited.tiles, PatternedTiles());
        const EditBlock& block = edited.blocks[edited.rooms[0][2 * 4 + 1]];
        QCOMPARE(block[0], static_cast<std::uint8_t>(set.blocks[cellBlock + 1][0] + 1));
        QCOMPARE(block[19], static_cast<std::uint8_t>((set.blocks[cellBlock + 1][19] + 1) % 4));

        QString message;
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        QVERIFY(window.SaveRomAs(QString::fromStdString(dir.Path("edited.nes"))));
        QCOMPARE(message,
                 QStringLiteral("Graphic set #1: room #%1 is saved, but no level uses it; it will be gone "
                                "when the ROM is opened again.")
                     .arg(edited.rooms.size()));

        CGameRom reopened;
        reopened.LoadRom(dir.Path("edited.nes"));
        EditGraphicSet stored = reopened.ExpandGraphicSets()->at(0);
        stored.rooms.push_back(RoomGrid{});
        QCOMPARE(stored, edited);
        const std::vector<PictureBuffer> before = LevelPictures(original);
        const std::vector<PictureBuffer> after = LevelPictures(reopened);
        for (std::size_t slot = 0; slot < before.size(); ++slot) {
            const bool setOne = reopened.levelSets.at(reopened.levels[slot].levelSet).GraphicSetId() == 0;
            QVERIFY2(SamePixels(before[slot], after[slot]) != setOne, qPrintable(QString::number(slot)));
        }
    }
};

QTEST_MAIN(GraphicsCommandTest)
#include "graphics_command_test.moc"
