#pragma once

#include "game/palette_modifiers.h"

#include <QDialog>

#include <cstdint>
#include <optional>
#include <vector>

class QComboBox;

namespace tikaroo {

class CBoxGridCanvas;

// Edits the palette updaters: the rooms of the shown updater with the colours in force at each, the
// modifier of the selected room (Insert or "Modifier...", Delete or "Delete modifier", Ctrl+Space copies
// it and Space pastes it), and new copies of the shown updater ("+").
class CPalUpdEditorDlg : public QDialog {
    Q_OBJECT
public:
    // `updaters` by id; shows the level's updater (the last one when it names none).
    CPalUpdEditorDlg(std::vector<PaletteUpdater> updaters, std::uint8_t levelUpdater,
                     QWidget* parent = nullptr);

    const std::vector<PaletteUpdater>& Updaters() const { return updaters; }

private:
    PaletteUpdater& Shown() { return updaters[shown]; }
    std::uint8_t Room() const;
    void Redraw();
    void OnKey(int key, Qt::KeyboardModifiers modifiers);
    void AddCopy();
    void EditModifier();
    void DeleteModifier();
    void PasteModifier();

    std::vector<PaletteUpdater> updaters;
    std::size_t shown = 0;
    std::optional<PaletteModifier> clipboard;
    QComboBox* list = nullptr;
    CBoxGridCanvas* canvas = nullptr;
};

} // namespace tikaroo
