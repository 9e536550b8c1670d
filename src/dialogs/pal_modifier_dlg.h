#pragma once

#include "palette_grid_dlg.h"

namespace tikaroo {

// Edits one modifier of a palette updater as a grid: a sub-palette row it does not set shows "X". A colour
// stored into such a row sets it (its other entries become the background colour); Delete, on any
// position, and the "Delete attribute" button unset the selected row.
class CPalModifierDlg : public CPaletteGridDlg {
    Q_OBJECT
public:
    explicit CPalModifierDlg(const PaletteModifier& modifier, QWidget* parent = nullptr);

    const PaletteModifier& Modifier() const { return modifier; }

    // Refuses a modifier that sets no sub-palette.
    void accept() override;

protected:
    PaletteGrid& Grid() override { return grid; }
    void Redraw() override;
    void StoreColour(std::uint8_t colour) override;
    bool OwnKey(int key) override;

private:
    PaletteModifier modifier;
    PaletteGrid grid;
};

} // namespace tikaroo
