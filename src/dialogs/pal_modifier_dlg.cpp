#include "pal_modifier_dlg.h"

#include "box_grid_canvas.h"
#include "dialog_buttons.h"
#include "render/palette_pictures.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tikaroo {

CPalModifierDlg::CPalModifierDlg(const PaletteModifier& edited, QWidget* parent)
    : CPaletteGridDlg(parent), modifier(edited), grid(ModifierGrid(edited)) {
    setWindowTitle(QStringLiteral("Modifier editor"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(canvas, 0, Qt::AlignHCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(colourButton);
    QPushButton* remove = CommandButton(QStringLiteral("Delete attribute"), this);
    connect(remove, &QPushButton::clicked, this, [this] { OwnKey(Qt::Key_Delete); });
    buttons->addWidget(remove);
    layout->addLayout(buttons);
    AddOkCancel(this, layout);
    Redraw();
    canvas->setFocus();
}

void CPalModifierDlg::Redraw() {
    canvas->Show(PaletteGridPicture(grid, PaletteGridStyle::Modifier, ModifierCaption(grid, Entry())));
}

void CPalModifierDlg::StoreColour(std::uint8_t colour) {
    grid[Entry()] = colour;
    const std::size_t row = Entry() / kSubPaletteSize * kSubPaletteSize;
    for (std::size_t entry = row; entry < row + kSubPaletteSize; ++entry)
        if (grid[entry] >= kNesColourCount) grid[entry] = kBackgroundColour;
}

bool CPalModifierDlg::OwnKey(int key) {
    if (key != Qt::Key_Delete) return false;
    const std::size_t row = Entry() / kSubPaletteSize * kSubPaletteSize;
    std::fill_n(grid.begin() + static_cast<std::ptrdiff_t>(row), kSubPaletteSize, kUnsetColour);
    Redraw();
    canvas->setFocus();
    return true;
}

void CPalModifierDlg::accept() {
    for (std::size_t row = 0; row < kSubPalettes; ++row) {
        if (GridRowSet(grid, row)) {
            modifier = GridModifier(modifier.key, grid);
            QDialog::accept();
            return;
        }
    }
    QMessageBox::critical(this, windowTitle(),
                          QStringLiteral("Cant insert NULL modifier. Please specify at least one attribute"));
}

} // namespace tikaroo
