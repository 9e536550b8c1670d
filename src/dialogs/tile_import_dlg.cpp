#include "tile_import_dlg.h"

#include "dialog_buttons.h"
#include "dialog_canvas.h"
#include "render/graphics_dialog_pictures.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace tikaroo {

namespace {

constexpr int kPreviewWidth = 128;
constexpr int kPreviewHeight = 64;
constexpr int kSwatchSize = 16;

const std::array<QString, 4> kValueNames = {QStringLiteral("BG"), QStringLiteral("#1"), QStringLiteral("#2"),
                                            QStringLiteral("#3")};

// A preview canvas with the names of its four colour columns above it.
QWidget* LabelledPreview(QWidget* parent, CNesCanvas*& canvas) {
    auto* box = new QWidget(parent);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int v = 0; v < 4; ++v) {
        auto* name = new QLabel(kValueNames[static_cast<std::size_t>(v)], box);
        name->setAlignment(Qt::AlignCenter);
        layout->addWidget(name, 0, v);
    }
    canvas = NewDialogCanvas(box, kPreviewWidth, kPreviewHeight);
    canvas->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(canvas, 1, 0, 1, 4);
    return box;
}

} // namespace

CTileImportDlg::CTileImportDlg(PictureBuffer picture, const SheetColours& sheetColours,
                               const HalfColours& paletteColours, QWidget* parent)
    : QDialog(parent), sheet(std::move(picture)), colours(sheetColours) {
    setWindowTitle(QStringLiteral("Tiles"));
    auto* layout = new QVBoxLayout(this);
    CNesCanvas* sheetCanvas = NewDialogCanvas(this, kTileSheetWidth, kTileSheetHeight);
    sheetCanvas->SetPicture(&sheet);
    layout->addWidget(sheetCanvas, 0, Qt::AlignHCenter);

    auto* grid = new QGridLayout;
    const std::array<QString, 3> rowNames = {QStringLiteral("Palette:"), QStringLiteral("Left half:"),
                                             QStringLiteral("Right half:")};
    for (std::size_t row = 0; row < rowNames.size(); ++row) {
        const int gridRow = static_cast<int>(row);
        grid->addWidget(new QLabel(rowNames[row], this), gridRow, 0);
        grid->addWidget(LabelledPreview(this, previewCanvases[row]), gridRow, 1);
        previewCanvases[row]->SetPicture(&previews[row]);
        if (row == 0) continue;
        const std::size_t half = row - 1;
        for (std::size_t v = 0; v < 4; ++v) {
            QPushButton* button = CommandButton(kValueNames[v], this);
            button->setIconSize(QSize(kSwatchSize, kSwatchSize));
            connect(button, &QPushButton::clicked, this, [this, half, v] { Advance(half, v); });
            grid->addWidget(button, gridRow, 2 + static_cast<int>(v));
            buttons[half][v] = button;
        }
    }
    layout->addLayout(grid);
    AddOkCancel(this, layout);
    previews[0] = ColourColumnsPicture(paletteColours);
    previewCanvases[0]->PictureChanged();
    Redraw();
}

std::vector<Tile> CTileImportDlg::Tiles() const {
    return TilesFromSheet(sheet, colours, assignment);
}

void CTileImportDlg::Advance(std::size_t half, std::size_t value) {
    assignment[half][value] = static_cast<std::uint8_t>((assignment[half][value] + 1) % 4);
    Redraw();
}

HalfColours CTileImportDlg::AssignedColours(std::size_t half) const {
    HalfColours assigned{};
    for (std::size_t v = 0; v < assigned.size(); ++v) assigned[v] = colours[half][assignment[half][v]];
    return assigned;
}

void CTileImportDlg::Redraw() {
    for (std::size_t half = 0; half < kSheetHalves; ++half) {
        const HalfColours assigned = AssignedColours(half);
        for (std::size_t v = 0; v < assigned.size(); ++v) {
            QPixmap swatch(kSwatchSize, kSwatchSize);
            swatch.fill(QColor::fromRgb(assigned[v]));
            buttons[half][v]->setIcon(swatch);
        }
        previews[half + 1] = ColourColumnsPicture(assigned);
        previewCanvases[half + 1]->PictureChanged();
    }
}

} // namespace tikaroo
