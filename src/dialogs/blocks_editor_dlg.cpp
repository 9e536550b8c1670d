#include "blocks_editor_dlg.h"

#include "block_editor_dlg.h"
#include "cell_cursor.h"
#include "dialog_buttons.h"
#include "dialog_canvas.h"
#include "render/dialog_strips.h"
#include "render/graphics_dialog_pictures.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tikaroo {

CBlocksEditorDlg::CBlocksEditorDlg(BlockDialogsCopy copied, std::size_t block, QWidget* parent)
    : QDialog(parent), copy(std::move(copied)) {
    setWindowTitle(QStringLiteral("Blocks editor"));
    auto* layout = new QVBoxLayout(this);
    canvas = NewDialogCanvas(this, kGridPictureSize, kGridPictureSize);
    layout->addWidget(canvas);
    auto* row = new QHBoxLayout;
    QPushButton* newBlock = CommandButton(QStringLiteral("New block"), this);
    QPushButton* modify = CommandButton(QStringLiteral("Modify..."), this);
    QPushButton* deleteLast = CommandButton(QStringLiteral("Delete last"), this);
    for (QPushButton* button : {newBlock, modify, deleteLast}) row->addWidget(button);
    row->addStretch();
    layout->addLayout(row);
    AddOkCancel(this, layout);

    const std::size_t selected = std::min(block, Blocks().size() - 1);
    cursor = new CCellCursor(canvas, SquareCells(kGridCells, kGridCells, kGridCellPitch),
                             static_cast<int>(selected));
    connect(canvas, &CNesCanvas::KeyPressed, this, &CBlocksEditorDlg::KeyPressed);
    connect(newBlock, &QPushButton::clicked, this, &CBlocksEditorDlg::NewBlock);
    connect(modify, &QPushButton::clicked, this, &CBlocksEditorDlg::ModifyBlock);
    connect(deleteLast, &QPushButton::clicked, this, &CBlocksEditorDlg::DeleteLastBlock);
    canvas->SetPicture(&picture);
    Redraw();
    canvas->setFocus();
}

std::size_t CBlocksEditorDlg::SelectedBlock() const {
    return static_cast<std::size_t>(cursor->Cell());
}

void CBlocksEditorDlg::KeyPressed(int key, int /*delta*/, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Space && (modifiers & Qt::ControlModifier)) {
        clipboard = Blocks()[SelectedBlock()];
    } else if (key == Qt::Key_Space && clipboard) {
        Blocks()[SelectedBlock()] = *clipboard;
        Redraw();
    } else if (key == Qt::Key_Insert) {
        ModifyBlock();
    }
}

void CBlocksEditorDlg::NewBlock() {
    if (Blocks().size() >= kMaxBlocksPerSet) {
        QMessageBox::critical(this, windowTitle(), QStringLiteral("Maximum blocks count has been reached"));
        return;
    }
    Blocks().push_back(EditBlock{});
    Redraw();
    cursor->Select(static_cast<int>(Blocks().size() - 1));
}

void CBlocksEditorDlg::ModifyBlock() {
    CBlockEditorDlg editor(copy, SelectedBlock(), this);
    if (editor.exec() == QDialog::Accepted) {
        copy.sets = editor.Sets();
        Redraw();
    }
    canvas->setFocus();
}

void CBlocksEditorDlg::DeleteLastBlock() {
    if (Blocks().size() < 2) {
        QMessageBox::critical(this, windowTitle(), QStringLiteral("Cant delete single block from the set"));
        return;
    }
    const auto answer = QMessageBox::question(
        this, windowTitle(),
        QStringLiteral("WARNING! Removing LAST BLOCK can cause rebuild all rooms and graphics will be "
                       "corrupted!\nDo you realy want to delete last block?"));
    if (answer != QMessageBox::Yes) return;
    Blocks().pop_back();
    const auto last = static_cast<std::uint8_t>(Blocks().size() - 1);
    for (RoomGrid& room : copy.Set().rooms)
        for (std::uint8_t& cell : room) cell = std::min(cell, last);
    Redraw();
    cursor->Select(std::min(cursor->Cell(), static_cast<int>(last)));
}

void CBlocksEditorDlg::Redraw() {
    picture = BlockGridPicture(BlockStrip(Blocks(), copy.Set().tiles, copy.palettes, copy.paletteSet),
                               Blocks().size());
    cursor->SetLimit(static_cast<int>(Blocks().size()));
    canvas->PictureChanged();
}

} // namespace tikaroo
