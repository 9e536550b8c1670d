#include "pal_upd_editor_dlg.h"

#include "box_grid_canvas.h"
#include "dialog_buttons.h"
#include "pal_modifier_dlg.h"
#include "render/palette_pictures.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tikaroo {

namespace {
constexpr int kVisibleRooms = 16;
} // namespace

CPalUpdEditorDlg::CPalUpdEditorDlg(std::vector<PaletteUpdater> edited, std::uint8_t levelUpdater,
                                   QWidget* parent)
    : QDialog(parent), updaters(std::move(edited)), list(new QComboBox(this)),
      canvas(new CBoxGridCanvas(kUpdaterRoomGrid, CBoxGridCanvas::PickMode::Column, this)) {
    setWindowTitle(QStringLiteral("Palette updaters editor"));
    if (updaters.empty()) updaters.emplace_back(); // the game reads updater 0 in any case
    shown = std::min<std::size_t>(levelUpdater, updaters.size() - 1);
    for (std::size_t id = 0; id < updaters.size(); ++id) list->addItem(QStringLiteral("#%1").arg(id + 1));
    list->setCurrentIndex(static_cast<int>(shown));
    connect(list, &QComboBox::currentIndexChanged, this, [this](int index) {
        shown = static_cast<std::size_t>(index);
        Redraw();
    });

    QPushButton* add = CommandButton(QStringLiteral("+"), this);
    QPushButton* modify = CommandButton(QStringLiteral("Modifier..."), this);
    QPushButton* remove = CommandButton(QStringLiteral("Delete modifier"), this);
    connect(add, &QPushButton::clicked, this, &CPalUpdEditorDlg::AddCopy);
    connect(modify, &QPushButton::clicked, this, &CPalUpdEditorDlg::EditModifier);
    connect(remove, &QPushButton::clicked, this, &CPalUpdEditorDlg::DeleteModifier);
    connect(canvas, &CNesCanvas::KeyPressed, this,
            [this](int key, int, Qt::KeyboardModifiers modifiers) { OnKey(key, modifiers); });
    canvas->FitView(
        QSize(kUpdaterRoomGrid.left + kVisibleRooms * kUpdaterRoomGrid.stepX, kUpdaterCanvasHeight), true);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Pal. updater:"), this));
    top->addWidget(list, 1);
    top->addWidget(add);
    top->addWidget(modify);
    top->addWidget(remove);
    layout->addLayout(top);
    layout->addWidget(new QLabel(QStringLiteral("Palette modifiers by rooms:"), this));
    layout->addWidget(canvas);
    AddOkCancel(this, layout);
    Redraw();
    canvas->setFocus();
}

std::uint8_t CPalUpdEditorDlg::Room() const {
    return static_cast<std::uint8_t>(canvas->Selected());
}

void CPalUpdEditorDlg::Redraw() {
    canvas->Show(UpdaterRoomsPicture(UpdaterRoomEffects(Shown())));
}

void CPalUpdEditorDlg::OnKey(int key, Qt::KeyboardModifiers modifiers) {
    const std::optional<std::size_t> modifier = FindModifier(Shown(), Room());
    if (key == Qt::Key_Insert) {
        EditModifier();
    } else if (key == Qt::Key_Delete) {
        DeleteModifier();
    } else if (key == Qt::Key_Space && modifiers.testFlag(Qt::ControlModifier) && modifier) {
        clipboard = Shown().modifiers[*modifier];
    } else if (key == Qt::Key_Space && clipboard) {
        PasteModifier();
    }
}

void CPalUpdEditorDlg::AddCopy() {
    if (updaters.size() >= kMaxPaletteUpdaters) {
        QMessageBox::critical(this, windowTitle(),
                              QStringLiteral("Maximum count of updaters has been reached"));
        return;
    }
    updaters.push_back(Shown());
    const QString entry = QStringLiteral("#%1").arg(updaters.size());
    list->addItem(entry);
    QMessageBox::information(
        this, windowTitle(),
        QStringLiteral("Added new copy of current palette updater with id %1.\nRemember that "
                       "an unused updaters will be delete when you save a ROM")
            .arg(entry));
}

void CPalUpdEditorDlg::EditModifier() {
    const std::optional<std::size_t> index = FindModifier(Shown(), Room());
    PaletteModifier fresh;
    fresh.key = Room();
    CPalModifierDlg editor(index ? Shown().modifiers[*index] : fresh, this);
    if (editor.exec() == QDialog::Accepted) {
        PutModifier(Shown(), editor.Modifier());
        Redraw();
    }
    canvas->setFocus();
}

void CPalUpdEditorDlg::DeleteModifier() {
    const std::optional<std::size_t> index = FindModifier(Shown(), Room());
    if (!index) return;
    if (QMessageBox::question(this, windowTitle(), QStringLiteral("Do you want to delete this modifier?")) ==
        QMessageBox::Yes) {
        Shown().modifiers.erase(Shown().modifiers.begin() + static_cast<std::ptrdiff_t>(*index));
        Redraw();
    }
    canvas->setFocus();
}

// A room holds one modifier: the paste replaces the one it has, as OK in the modifier editor does.
void CPalUpdEditorDlg::PasteModifier() {
    PaletteModifier pasted = *clipboard;
    pasted.key = Room();
    PutModifier(Shown(), std::move(pasted));
    Redraw();
}

} // namespace tikaroo
