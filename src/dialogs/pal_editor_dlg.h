#pragma once

#include "palette_grid_dlg.h"

#include <vector>

class QComboBox;

namespace tikaroo {

// Edits a list of palettes one at a time: the 16 palette sets of the levels, or the three other palettes
// (objects and end title). Only the palette sets can be copied over each other ("->").
class CPalEditorDlg : public CPaletteGridDlg {
    Q_OBJECT
public:
    enum class Mode { PaletteSets, Others };

    // Shows palette `first` first (the first palette when out of range).
    CPalEditorDlg(std::vector<PaletteSet> palettes, std::size_t first, Mode mode, QWidget* parent = nullptr);

    const std::vector<PaletteSet>& Palettes() const { return palettes; }

protected:
    PaletteGrid& Grid() override { return palettes[shown]; }
    void Redraw() override;

private:
    void CopyToAnother();

    std::vector<PaletteSet> palettes;
    std::size_t shown = 0;
    QComboBox* list = nullptr;
};

} // namespace tikaroo
