#include "graphic_set_editor_dlg.h"

#include "blocks_editor_dlg.h"
#include "cell_cursor.h"
#include "dialog_buttons.h"
#include "dialog_canvas.h"
#include "hex_text.h"
#include "render/dialog_strips.h"
#include "render/room_geometry.h"
#include "render/tile_drawing.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tikaroo {

namespace {
constexpr int kColumns = static_cast<int>(kRoomColumns);
} // namespace

CGraphicSetEditorDlg::CGraphicSetEditorDlg(EditGraphicSets editSets, std::vector<PaletteSet> paletteSets,
                                           std::size_t displayPaletteSet, std::size_t firstSet,
                                           QWidget* parent)
    : QDialog(parent), sets(std::move(editSets)), palettes(std::move(paletteSets)),
      paletteSet(displayPaletteSet < palettes.size() ? displayPaletteSet : 0) {
    setWindowTitle(QStringLiteral("Graphics sets"));
    setList = new QComboBox(this);
    for (std::size_t id = 0; id < sets.size(); ++id)
        if (sets[id].Present()) setList->addItem(QStringLiteral("Set #%1").arg(id + 1), static_cast<int>(id));
    roomList = new QComboBox(this);
    auto* paletteList = new QComboBox(this);
    for (std::size_t p = 0; p < palettes.size(); ++p) paletteList->addItem(QStringLiteral("#%1").arg(p + 1));
    paletteList->setCurrentIndex(static_cast<int>(paletteSet));
    QPushButton* add = CommandButton(QStringLiteral("+"), this);
    QPushButton* copy = CommandButton(QStringLiteral("->"), this);
    QPushButton* remove = CommandButton(QStringLiteral("-"), this);
    auto* roomRow = new QHBoxLayout;
    roomRow->addWidget(roomList, 1);
    for (QPushButton* button : {add, copy, remove}) {
        button->setFixedWidth(32);
        roomRow->addWidget(button);
    }
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Graphic set:"), setList);
    form->addRow(QStringLiteral("Room:"), roomRow);
    form->addRow(QStringLiteral("Palette set:"), paletteList);
    canvas = NewDialogCanvas(this, kRoomWidth, kRoomHeight);
    QPushButton* modify = CommandButton(QStringLiteral("Modify block..."), this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(canvas, 0, Qt::AlignHCenter);
    layout->addWidget(modify);
    AddOkCancel(this, layout);

    cursor = new CCellCursor(canvas, SquareCells(kColumns, static_cast<int>(kRoomRows), kBlockSize));
    cursor->SetEdgeStep([this](int dx) { return StepAcrossRooms(dx); });
    connect(cursor, &CCellCursor::Moved, this, &CGraphicSetEditorDlg::ShowTitle);
    connect(canvas, &CNesCanvas::KeyPressed, this, &CGraphicSetEditorDlg::KeyPressed);
    connect(setList, &QComboBox::activated, this, &CGraphicSetEditorDlg::ChooseSet);
    connect(roomList, &QComboBox::activated, this, &CGraphicSetEditorDlg::ChooseRoom);
    connect(paletteList, &QComboBox::activated, this, [this](int index) {
        paletteSet = static_cast<std::size_t>(index);
        RedrawBlocks();
    });
    connect(add, &QPushButton::clicked, this, [this] { AddRoom(false); });
    connect(copy, &QPushButton::clicked, this, [this] { AddRoom(true); });
    connect(remove, &QPushButton::clicked, this, &CGraphicSetEditorDlg::DeleteLastRoom);
    connect(modify, &QPushButton::clicked, this, &CGraphicSetEditorDlg::ModifyBlock);
    canvas->SetPicture(&picture);
    const int first = setList->findData(static_cast<int>(firstSet));
    ChooseSet(first >= 0 ? first : 0);
    RedrawRoom();
    canvas->setFocus();
}

std::uint8_t& CGraphicSetEditorDlg::CellBlock() {
    return Set().rooms[room][static_cast<std::size_t>(cursor->Cell())];
}

// Block numbers wrap within the set's blocks: below 0 is the last block, the block count is 0.
void CGraphicSetEditorDlg::SetBlock(int block) {
    const auto count = static_cast<int>(Set().blocks.size());
    CellBlock() = static_cast<std::uint8_t>(block < 0 ? count - 1 : block >= count ? 0 : block);
    RedrawRoom();
}

void CGraphicSetEditorDlg::ChooseSet(int index) {
    const auto id = static_cast<std::size_t>(setList->itemData(index).toInt());
    if (index < 0 || index >= setList->count() || id >= sets.size() || !sets[id].Present()) {
        setList->setCurrentIndex(setList->findData(static_cast<int>(graphicSet)));
        return;
    }
    setList->setCurrentIndex(index);
    graphicSet = id;
    room = 0;
    FillRoomList();
    RedrawBlocks();
}

void CGraphicSetEditorDlg::ChooseRoom(int index) {
    room = static_cast<std::size_t>(index);
    roomList->setCurrentIndex(index);
    RedrawRoom();
}

bool CGraphicSetEditorDlg::StepAcrossRooms(int dx) {
    if (!HasRoom()) return true;
    const auto count = static_cast<int>(Set().rooms.size());
    ChooseRoom((static_cast<int>(room) + dx + count) % count);
    const int row = cursor->Cell() / kColumns;
    cursor->Select(row * kColumns + (dx > 0 ? 0 : kColumns - 1));
    return true;
}

void CGraphicSetEditorDlg::KeyPressed(int key, int delta, Qt::KeyboardModifiers modifiers) {
    if (!HasRoom()) return;
    if (delta != 0) {
        SetBlock(CellBlock() + delta);
    } else if (key == Qt::Key_Space && (modifiers & Qt::ControlModifier)) {
        clipboard = CellBlock();
    } else if (key == Qt::Key_Space && clipboard) {
        SetBlock(*clipboard);
    } else if (key == Qt::Key_Insert) {
        ModifyBlock();
    }
}

void CGraphicSetEditorDlg::ModifyBlock() {
    if (!HasRoom()) return;
    CBlocksEditorDlg editor({sets, palettes, graphicSet, paletteSet}, CellBlock(), this);
    if (editor.exec() == QDialog::Accepted) {
        sets = editor.Sets();
        CellBlock() = static_cast<std::uint8_t>(editor.SelectedBlock());
        RedrawBlocks();
    }
    canvas->setFocus();
}

void CGraphicSetEditorDlg::AddRoom(bool copySelected) {
    if (!HasSet() || Set().rooms.size() >= kMaxRoomsPerSet) return;
    if (copySelected && !HasRoom()) return;
    Set().rooms.push_back(copySelected ? Set().rooms[room] : RoomGrid{});
    room = Set().rooms.size() - 1;
    FillRoomList();
}

void CGraphicSetEditorDlg::DeleteLastRoom() {
    if (!HasSet()) return;
    if (Set().rooms.empty()) {
        QMessageBox::critical(this, windowTitle(), QStringLiteral("Cant delete last room from the set"));
        return;
    }
    const auto answer = QMessageBox::question(
        this, windowTitle(),
        QStringLiteral(
            "WARNING! Will be removed LAST ROOM from the set!\nThis can cause rebuild all levels that "
            "is using this graphic set and graphics in this levels may be corrupted!\n\nDo you realy "
            "want to delete last room from the set?"));
    if (answer != QMessageBox::Yes) return;
    Set().rooms.pop_back();
    room = std::min(room, std::max<std::size_t>(Set().rooms.size(), 1) - 1);
    FillRoomList();
}

void CGraphicSetEditorDlg::FillRoomList() {
    const QSignalBlocker blocker(roomList);
    roomList->clear();
    for (std::size_t r = 0; r < Set().rooms.size(); ++r) roomList->addItem(QStringLiteral("#%1").arg(r + 1));
    roomList->setCurrentIndex(HasRoom() ? static_cast<int>(room) : -1);
    RedrawRoom();
}

void CGraphicSetEditorDlg::RedrawBlocks() {
    blockStrip = BlockStrip(Set().blocks, Set().tiles, palettes, paletteSet);
    RedrawRoom();
}

void CGraphicSetEditorDlg::RedrawRoom() {
    picture = HasRoom() ? RoomStrip({&Set().rooms[room], 1}, blockStrip) : PictureBuffer();
    canvas->PictureChanged();
    ShowTitle();
}

void CGraphicSetEditorDlg::ShowTitle() {
    if (!HasRoom()) {
        setWindowTitle(QStringLiteral("Graphics sets"));
        return;
    }
    const int cell = cursor->Cell();
    setWindowTitle(QStringLiteral("Set: %1, Room: %2, Block[%3:%4]: 0x%5")
                       .arg(graphicSet + 1)
                       .arg(room + 1)
                       .arg(cell % kColumns)
                       .arg(cell / kColumns)
                       .arg(Hex2(CellBlock())));
}

} // namespace tikaroo
