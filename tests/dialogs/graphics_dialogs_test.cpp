// The graphics dialogs driven with keys and the mouse, on the sample game's graphic sets.
#include "dialog_driver.h"
#include "dialogs/block_editor_dlg.h"
#include "dialogs/blocks_editor_dlg.h"
#include "dialogs/graphic_set_editor_dlg.h"
#include "dialogs/graphic_set_man_dlg.h"
#include "dialogs/tile_import_dlg.h"
#include "dialogs/tile_sheet_file.h"
#include "editor/nes_canvas.h"
#include "game/game_rom.h"
#include "render/tile_drawing.h"
#include "render/tile_sheet.h"
#include "sample_game.h"
#include "support/temp_dir.h"
#include "support/tile_sheet_pictures.h"

#include <QTreeWidget>

using namespace tikaroo;
using namespace tikaroo::test;

class GraphicsDialogsTest : public QObject {
    Q_OBJECT
    TempDir dir;
    CGameRom sample;
    EditGraphicSets sets;

private slots:
    void initTestCase() {
        sample.LoadRom(dir.Write("sample.nes", sample::MakeSampleGame().file));
        sets = *sample.ExpandGraphicSets();
    }

    // The sheet checks themselves are the tile sheet reader's; here the dialog tells their refusal. An
    // export writes a 32-bit PNG in the colours of the shown palette set.
    void ImportFillsAnEmptyBankRefusesABrokenSheetAndExportWritesABank() {
        const QString sheet = QString::fromStdString(dir.Path("good.png"));
        QVERIFY(WritePngFile(DrawTileSheet(PatternedTiles(), kAscendingGreys), sheet));
        CGraphicSetManDlg dialog(sets, sample.paletteSets, 2);
        dialog.show();
        for (const QString& button : {QStringLiteral("Import tiles..."), QStringLiteral("Export tiles...")})
            QCOMPARE(MessageOf([&] { ClickButton(&dialog, button); }),
                     QStringLiteral("Choose a bank to export"));
        QString text;
        auto* list = dialog.findChild<QTreeWidget*>();
        ClickItem(list, list->topLevelItem(4));
        const Bytes broken{0x89, 'P', 'N', 'G', 1, 2, 3};
        ChooseFile(QString::fromStdString(dir.Write("broken.png", broken)),
                   [&text] { AnswerNextMessageBox(QMessageBox::Ok, &text); });
        ClickButton(&dialog, "Import tiles...");
        QCOMPARE(text, QStringLiteral("Invalid image file"));
        QCOMPARE(dialog.Sets(), sets);

        // Value 1 of the left half is given to source colour 2: the left half's ones become zeros.
        ChooseFile(sheet, [] {
            OnNextModal<CTileImportDlg>([](CTileImportDlg* importer) {
                ClickButton(importer, "#1");
                QTest::keyClick(importer, Qt::Key_Return);
            });
        });
        ClickButton(&dialog, "Import tiles...");
        QCOMPARE(list->topLevelItem(4)->text(1), QStringLiteral("Created, but not used"));
        std::vector<Tile> expected = PatternedTiles();
        for (std::size_t t = 0; t < 256; ++t)
            for (std::uint8_t& pixel : expected[t]) pixel = pixel == 1 ? 0 : pixel;
        QCOMPARE(dialog.Sets()[4], (EditGraphicSet{0, {RoomGrid{}}, {EditBlock{}}, expected}));

        ClickItem(list, list->topLevelItem(1));
        const QString bank = QString::fromStdString(dir.Path("bank.png"));
        ChooseFile(bank);
        ClickButton(&dialog, "Export tiles...");
        const Bytes file = TempDir::Read(dir.Path("bank.png"));
        QVERIFY(file.size() > 26);
        QCOMPARE(Bytes(file.begin() + 24, file.begin() + 26), (Bytes{8, 6})); // 8 bits a channel, RGBA
        QVERIFY(SamePixels(LoadTileSheet(bank).picture,
                           DrawTileSheet(sets[1].tiles, SubPaletteOf(sample.paletteSets[2], 0))));
    }

    // The blocks editor keeps 1 to 256 blocks and renumbers the cells of the last; the block editor it opens
    // changes its grid on OK only.
    void TheBlocksEditorKeepsOneTo256BlocksAndItsGridOnCancel() {
        EditGraphicSets edited = sets;
        edited[0].blocks.resize(256, EditBlock{1});
        edited[0].rooms[2][7] = 255;
        CBlocksEditorDlg dialog({edited, sample.paletteSets}, 0);
        dialog.show();
        QCOMPARE(MessageOf([&dialog] { ClickButton(&dialog, "New block"); }),
                 QStringLiteral("Maximum blocks count has been reached"));
        // Block 255 stands in row 15, column 15 and can be picked there.
        ClickPicture(KeyCanvas(&dialog), 15 * 33 + 3, 15 * 33 + 3);
        QCOMPARE(dialog.SelectedBlock(), std::size_t{255});
        QVERIFY(MessageOf([&dialog] { ClickButton(&dialog, "Delete last"); }, QMessageBox::Yes)
                    .startsWith(QStringLiteral("WARNING! Removing LAST BLOCK")));
        edited[0].blocks.pop_back();
        edited[0].rooms[2][7] = 254; // the cell that showed the last block shows the one before
        QCOMPARE(dialog.Sets()[0], edited[0]);
        // A click beyond the last block leaves the selection on the new last one.
        ClickPicture(KeyCanvas(&dialog), 15 * 33 + 3, 15 * 33 + 3);
        QCOMPARE(dialog.SelectedBlock(), std::size_t{254});

        edited[0].blocks.resize(1);
        CBlocksEditorDlg single({edited, sample.paletteSets}, 0);
        single.show();
        QCOMPARE(MessageOf([&single] { ClickButton(&single, "Delete last"); }),
                 QStringLiteral("Cant delete single block from the set"));
        OnNextModal<CBlockEditorDlg>([](CBlockEditorDlg* editor) {
            Keys(KeyCanvas(editor), {Qt::Key_Plus, Qt::Key_C, Qt::Key_Right, Qt::Key_Minus, Qt::Key_C});
            QTest::keyClick(KeyCanvas(editor), Qt::Key_Escape);
        });
        ClickButton(&single, "Modify...");
        QCOMPARE(single.Sets()[0].blocks, edited[0].blocks);
        OnNextModal<CBlockEditorDlg>([](CBlockEditorDlg* editor) {
            Keys(KeyCanvas(editor), {Qt::Key_Plus, Qt::Key_Return});
        });
        Keys(KeyCanvas(&single), {Qt::Key_Insert});
        QCOMPARE(single.Sets()[0].blocks[0][0], static_cast<std::uint8_t>(edited[0].blocks[0][0] + 1));
    }

    void TheBlockEditorStepsTilesAndQuarterAttributes() {
        EditGraphicSets edited = sets;
        edited[0].blocks[1] = {0xFF, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0, 1, 2, 3};
        CBlockEditorDlg dialog({edited, sample.paletteSets}, 1);
        dialog.show();
        CNesCanvas* canvas = KeyCanvas(&dialog);
        auto block = [&dialog] { return dialog.Sets()[0].blocks[1]; };
        Keys(canvas, {Qt::Key_Plus});
        // Cell 14 (row 3, column 2) lies in the bottom right quarter, attribute byte 16.
        ClickPicture(canvas, 2 * 32 + 5, 3 * 32 + 5);
        Keys(canvas, {Qt::Key_C});
        QCOMPARE(block()[16], 1);
        Keys(canvas, {Qt::Key_C, Qt::Key_C, Qt::Key_C});
        QCOMPARE(block(), (EditBlock{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0, 1, 2, 3}));
        // Ctrl+Space copies the tile, Space pastes it elsewhere.
        QTest::keyClick(canvas, Qt::Key_Space, Qt::ControlModifier);
        Keys(canvas, {Qt::Key_Up, Qt::Key_Left, Qt::Key_Space});
        QCOMPARE(block()[9], 14);
    }

    // Arrows walk across the rooms, the cell keys wrap within the blocks, Modify block writes the choice,
    // and the room buttons stop at 64 rooms.
    void TheSetEditorWalksEditsAddsAndDeletesRooms() {
        CGraphicSetEditorDlg dialog(sets, sample.paletteSets, 0, 0);
        dialog.show();
        CNesCanvas* canvas = KeyCanvas(&dialog);
        const std::size_t rooms = sets[0].rooms.size();
        // A key pressed some times, and the title then: "Set, Room, Block[column:row]".
        const std::tuple<Qt::Key, int, QString> steps[] = {
            {Qt::Key_Down, 2, QStringLiteral("Set: 1, Room: 1, Block[0:2]")},
            {Qt::Key_Right, 4, QStringLiteral("Set: 1, Room: 2, Block[0:2]")},
            {Qt::Key_Left, 1, QStringLiteral("Set: 1, Room: 1, Block[3:2]")},
            {Qt::Key_Left, 4, QStringLiteral("Set: 1, Room: %1, Block[3:2]").arg(rooms)},
            {Qt::Key_Right, 1, QStringLiteral("Set: 1, Room: 1, Block[0:2]")},
            {Qt::Key_Up, 5, QStringLiteral("Set: 1, Room: 1, Block[0:0]")},
            {Qt::Key_Down, 12, QStringLiteral("Set: 1, Room: 1, Block[0:10]")},
        };
        for (const auto& [key, times, title] : steps) {
            for (int i = 0; i < times; ++i) QTest::keyClick(canvas, key);
            QVERIFY2(dialog.windowTitle().startsWith(title), qPrintable(dialog.windowTitle()));
        }

        const auto last = static_cast<std::uint8_t>(sets[0].blocks.size() - 1);
        ClickPicture(canvas, 3 * 32 + 4, 9 * 32 + 4);
        auto cellBlock = [&dialog] { return dialog.Sets()[0].rooms[0][9 * 4 + 3]; };
        QTest::keyClick(canvas, Qt::Key_Space, Qt::ControlModifier);
        const std::uint8_t copied = cellBlock();
        for (int i = 0; i <= last - copied; ++i) QTest::keyClick(canvas, Qt::Key_Plus);
        QCOMPARE(cellBlock(), 0);
        Keys(canvas, {Qt::Key_Minus});
        QCOMPARE(cellBlock(), last);
        Keys(canvas, {Qt::Key_Space});
        QCOMPARE(cellBlock(), copied);
        // The blocks editor opens on the cell's block; the block picked there goes into the cell.
        OnNextModal<CBlocksEditorDlg>([copied](CBlocksEditorDlg* blocks) {
            QCOMPARE(blocks->SelectedBlock(), std::size_t{copied});
            ClickPicture(KeyCanvas(blocks), 5 * 33 + 3, 3);
            Keys(KeyCanvas(blocks), {Qt::Key_Return});
        });
        ClickButton(&dialog, "Modify block...");
        QCOMPARE(cellBlock(), 5);

        EditGraphicSets edited = sets;
        edited[0].rooms.resize(63);
        CGraphicSetEditorDlg full(edited, sample.paletteSets, 0, 0);
        full.show();
        ClickButton(&full, "->");
        QCOMPARE(full.Sets()[0].rooms.size(), std::size_t{64});
        QCOMPARE(full.Sets()[0].rooms[63], edited[0].rooms[0]);
        ClickButton(&full, "+");
        QCOMPARE(full.Sets()[0].rooms.size(), std::size_t{64});

        edited[0].rooms.resize(1);
        CGraphicSetEditorDlg single(edited, sample.paletteSets, 0, 0);
        single.show();
        const auto remove = [&single] { ClickButton(&single, "-"); };
        MessageOf(remove, QMessageBox::Yes);
        QCOMPARE(MessageOf(remove), QStringLiteral("Cant delete last room from the set"));
        ClickButton(&single, "+");
        QCOMPARE(single.Sets()[0].rooms, std::vector<RoomGrid>{RoomGrid{}});
    }
};

QTEST_MAIN(GraphicsDialogsTest)
#include "graphics_dialogs_test.moc"
