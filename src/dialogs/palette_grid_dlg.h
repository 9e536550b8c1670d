#pragma once

#include "game/palette_modifiers.h"

#include <QDialog>

#include <cstddef>
#include <cstdint>
#include <optional>

class QPushButton;

namespace tikaroo {

class CBoxGridCanvas;

// What the palette editor and the modifier editor share: a canvas of sixteen colour boxes with the
// selected box framed, and the keys that change the selected colour. Position 0 of a sub-palette is the
// shared background colour: a key there only sounds the error beep. Plus and minus step the colour
// (below 0 gives 63, above 63 gives 0), Insert and the "Select a color..." button open the colour
// chooser, Ctrl+Space copies the colour and Space pastes it.
class CPaletteGridDlg : public QDialog {
    Q_OBJECT
protected:
    explicit CPaletteGridDlg(QWidget* parent);

    // The sixteen colours being edited and the picture that shows them.
    virtual PaletteGrid& Grid() = 0;
    virtual void Redraw() = 0;
    // Stores a chosen colour at the selected entry.
    virtual void StoreColour(std::uint8_t colour) { Grid()[Entry()] = colour; }
    // A key the dialog handles itself on every position; true when it did.
    virtual bool OwnKey(int /*key*/) { return false; }

    std::size_t Entry() const;

    CBoxGridCanvas* canvas = nullptr;
    QPushButton* colourButton = nullptr;

private:
    void OnKey(int key, int delta, Qt::KeyboardModifiers modifiers);
    void ChooseColour();

    std::optional<std::uint8_t> clipboard;
};

} // namespace tikaroo
