#include "palette_grid_dlg.h"

#include "box_grid_canvas.h"
#include "choose_color_dlg.h"
#include "dialog_buttons.h"
#include "error_beep.h"
#include "render/palette_pictures.h"

#include <QPushButton>

namespace tikaroo {

namespace {

std::uint8_t StepColour(std::uint8_t colour, int delta) {
    const int stepped = colour + delta;
    if (stepped < 0) return kNesColourCount - 1;
    if (stepped >= kNesColourCount) return 0;
    return static_cast<std::uint8_t>(stepped);
}

} // namespace

CPaletteGridDlg::CPaletteGridDlg(QWidget* parent)
    : QDialog(parent), canvas(new CBoxGridCanvas(kPaletteGrid, CBoxGridCanvas::PickMode::Cell, this)),
      colourButton(CommandButton(QStringLiteral("Select a color..."), this)) {
    canvas->FitView(QSize(kPaletteCanvasWidth, kPaletteCanvasHeight));
    connect(canvas, &CBoxGridCanvas::SelectionChanged, this, [this] { Redraw(); });
    connect(canvas, &CNesCanvas::KeyPressed, this, &CPaletteGridDlg::OnKey);
    connect(colourButton, &QPushButton::clicked, this, [this] { OnKey(Qt::Key_Insert, 0, {}); });
}

std::size_t CPaletteGridDlg::Entry() const {
    return static_cast<std::size_t>(canvas->Selected());
}

void CPaletteGridDlg::OnKey(int key, int delta, Qt::KeyboardModifiers modifiers) {
    if (OwnKey(key)) return;
    if (Entry() % kSubPaletteSize == 0) {
        ErrorBeep();
        return;
    }
    const std::uint8_t colour = Grid()[Entry()];
    if (delta != 0) {
        StoreColour(StepColour(colour, delta));
    } else if (key == Qt::Key_Insert) {
        ChooseColour();
        return;
    } else if (key == Qt::Key_Space && modifiers.testFlag(Qt::ControlModifier)) {
        if (colour < kNesColourCount) clipboard = colour;
        return;
    } else if (key == Qt::Key_Space && clipboard) {
        StoreColour(*clipboard);
    } else {
        return;
    }
    Redraw();
}

void CPaletteGridDlg::ChooseColour() {
    const std::uint8_t colour = Grid()[Entry()];
    CChooseColorDlg chooser(colour < kNesColourCount ? colour : kBackgroundColour, this);
    if (chooser.exec() == QDialog::Accepted) {
        StoreColour(chooser.Colour());
        Redraw();
    }
    canvas->setFocus();
}

} // namespace tikaroo
