#include "tile_viewer_dlg.h"

#include "cell_cursor.h"
#include "dialog_buttons.h"
#include "dialog_canvas.h"
#include "hex_text.h"
#include "render/dialog_strips.h"
#include "render/graphics_dialog_pictures.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tikaroo {

CTileViewerDlg::CTileViewerDlg(const std::vector<Tile>& tiles, const std::vector<PaletteSet>& palettes,
                               std::size_t paletteSet, std::uint8_t tile, QWidget* parent)
    : QDialog(parent), tileStrip(TileStrip(tiles, palettes, paletteSet, false)) {
    setWindowTitle(QStringLiteral("Tiles list"));
    auto* layout = new QVBoxLayout(this);
    canvas = NewDialogCanvas(this, kGridPictureSize, kGridPictureSize);
    layout->addWidget(canvas);
    layout->addWidget(new QLabel(QStringLiteral("Press SPACE button to rotate attribute"), this));
    AddOkCancel(this, layout);
    cursor = new CCellCursor(canvas, SquareCells(kGridCells, kGridCells, kGridCellPitch), tile);
    connect(cursor, &CCellCursor::Moved, this,
            [this](int cell) { setWindowTitle(QStringLiteral("Tile viewer. [%1]").arg(Hex2(cell))); });
    connect(canvas, &CNesCanvas::KeyPressed, this, [this](int key) { KeyPressed(key); });
    canvas->SetPicture(&picture);
    Redraw();
    canvas->setFocus();
}

std::uint8_t CTileViewerDlg::SelectedTile() const {
    return static_cast<std::uint8_t>(cursor->Cell());
}

void CTileViewerDlg::Redraw() {
    picture = TileGridPicture(tileStrip, attribute);
    canvas->PictureChanged();
}

void CTileViewerDlg::KeyPressed(int key) {
    if (key != Qt::Key_Space) return;
    attribute = static_cast<std::uint8_t>((attribute + 1) % 4);
    Redraw();
}

} // namespace tikaroo
