#include "pal_editor_dlg.h"

#include "box_grid_canvas.h"
#include "choose_number_dlg.h"
#include "dialog_buttons.h"
#include "render/palette_pictures.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tikaroo {

CPalEditorDlg::CPalEditorDlg(std::vector<PaletteSet> edited, std::size_t first, Mode mode, QWidget* parent)
    : CPaletteGridDlg(parent), palettes(std::move(edited)), shown(first < palettes.size() ? first : 0),
      list(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("Palette editor"));
    for (std::size_t number = 0; number < palettes.size(); ++number)
        list->addItem(QStringLiteral("#%1").arg(number + 1));
    list->setCurrentIndex(static_cast<int>(shown));
    connect(list, &QComboBox::currentIndexChanged, this, [this](int index) {
        shown = static_cast<std::size_t>(index);
        Redraw();
    });

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Palette:"), this));
    top->addWidget(list, 1);
    layout->addLayout(top);
    layout->addWidget(canvas, 0, Qt::AlignHCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(colourButton);
    if (mode == Mode::PaletteSets) {
        QPushButton* copy = CommandButton(QStringLiteral("->"), this);
        connect(copy, &QPushButton::clicked, this, &CPalEditorDlg::CopyToAnother);
        buttons->addWidget(copy);
    }
    layout->addLayout(buttons);
    AddOkCancel(this, layout);
    Redraw();
    canvas->setFocus();
}

void CPalEditorDlg::Redraw() {
    const std::uint8_t colour = Grid()[Entry()];
    canvas->Show(
        PaletteGridPicture(Grid(), PaletteGridStyle::Palette, PaletteCaption(shown, Entry(), colour)));
}

void CPalEditorDlg::CopyToAnother() {
    std::vector<std::size_t> others;
    for (std::size_t number = 0; number < palettes.size(); ++number)
        if (number != shown) others.push_back(number);
    CChooseNumberDlg chooser(others, this);
    if (chooser.exec() == QDialog::Accepted) palettes[chooser.Number()] = palettes[shown];
    canvas->setFocus();
}

} // namespace tikaroo
