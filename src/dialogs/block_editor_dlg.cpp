#include "block_editor_dlg.h"

#include "cell_cursor.h"
#include "dialog_buttons.h"
#include "dialog_canvas.h"
#include "hex_text.h"
#include "render/dialog_strips.h"
#include "render/graphics_dialog_pictures.h"
#include "render/tile_drawing.h"
#include "tile_viewer_dlg.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tikaroo {

namespace {
constexpr int kBlockCells = 4;
} // namespace

CBlockEditorDlg::CBlockEditorDlg(BlockDialogsCopy copied, std::size_t blockNumber, QWidget* parent)
    : QDialog(parent), copy(std::move(copied)), block(blockNumber) {
    setWindowTitle(QStringLiteral("Block editor"));
    auto* layout = new QVBoxLayout(this);
    canvas = NewDialogCanvas(this, kMagnifiedBlockSize, kMagnifiedBlockSize);
    layout->addWidget(canvas, 0, Qt::AlignHCenter);
    cellText = new QLabel(this);
    layout->addWidget(cellText);
    QPushButton* tilesList = CommandButton(QStringLiteral("Tiles list..."), this);
    layout->addWidget(tilesList);
    AddOkCancel(this, layout);

    cursor = new CCellCursor(canvas, SquareCells(kBlockCells, kBlockCells, kBlockSize));
    connect(cursor, &CCellCursor::Moved, this, &CBlockEditorDlg::ShowCellText);
    connect(canvas, &CNesCanvas::KeyPressed, this, &CBlockEditorDlg::KeyPressed);
    connect(tilesList, &QPushButton::clicked, this, &CBlockEditorDlg::ChooseTile);
    canvas->SetPicture(&picture);
    Changed();
    canvas->setFocus();
}

std::uint8_t& CBlockEditorDlg::CellTile() {
    return Block()[static_cast<std::size_t>(cursor->Cell())];
}

std::uint8_t& CBlockEditorDlg::CellAttribute() {
    const auto cell = static_cast<std::size_t>(cursor->Cell());
    return Block()[kBlockTileCount + QuadrantAttributeEntry(cell / kBlockCells, cell % kBlockCells)];
}

void CBlockEditorDlg::KeyPressed(int key, int delta, Qt::KeyboardModifiers modifiers) {
    if (delta != 0) {
        CellTile() = static_cast<std::uint8_t>(CellTile() + delta);
    } else if (key == Qt::Key_C) {
        CellAttribute() = static_cast<std::uint8_t>((CellAttribute() + 1) % 4);
    } else if (key == Qt::Key_Space && (modifiers & Qt::ControlModifier)) {
        clipboard = CellTile();
        return;
    } else if (key == Qt::Key_Space && clipboard) {
        CellTile() = *clipboard;
    } else if (key == Qt::Key_Insert) {
        ChooseTile();
        return;
    } else {
        return;
    }
    Changed();
}

void CBlockEditorDlg::ChooseTile() {
    CTileViewerDlg viewer(copy.Set().tiles, copy.palettes, copy.paletteSet, CellTile(), this);
    if (viewer.exec() == QDialog::Accepted) {
        CellTile() = viewer.SelectedTile();
        Changed();
    }
    canvas->setFocus();
}

void CBlockEditorDlg::Changed() {
    picture =
        MagnifiedBlockPicture(BlockStrip({&Block(), 1}, copy.Set().tiles, copy.palettes, copy.paletteSet), 0);
    canvas->PictureChanged();
    ShowCellText();
}

void CBlockEditorDlg::ShowCellText() {
    cellText->setText(QStringLiteral("Tile: %1\nAttr: %2\nPress 'C' to modify attribute")
                          .arg(Hex2(CellTile()), Hex2(CellAttribute())));
}

} // namespace tikaroo
