#include "choose_color_dlg.h"

#include "box_grid_canvas.h"
#include "dialog_buttons.h"
#include "render/palette_pictures.h"

#include <QVBoxLayout>

namespace tikaroo {

CChooseColorDlg::CChooseColorDlg(std::uint8_t colour, QWidget* parent)
    : QDialog(parent), canvas(new CBoxGridCanvas(kColourGrid, CBoxGridCanvas::PickMode::Cell, this)) {
    setWindowTitle(QStringLiteral("Choose a color"));
    auto* layout = new QVBoxLayout(this);
    canvas->FitView(QSize(kColourCanvasWidth, kColourCanvasHeight));
    layout->addWidget(canvas);
    AddOkCancel(this, layout);
    connect(canvas, &CBoxGridCanvas::SelectionChanged, this,
            [this](int index) { canvas->Show(ColourChooserPicture(static_cast<std::uint8_t>(index))); });
    canvas->Select(colour % kNesColourCount);
    canvas->setFocus();
}

std::uint8_t CChooseColorDlg::Colour() const {
    return static_cast<std::uint8_t>(canvas->Selected());
}

} // namespace tikaroo
