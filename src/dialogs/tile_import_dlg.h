#pragma once

#include "render/picture_buffer.h"
#include "render/tile_sheet.h"
#include "rom/tile.h"

#include <QDialog>

#include <array>
#include <vector>

class QPushButton;

namespace tikaroo {

class CNesCanvas;

// "Tiles": which colour of each half of an imported tile sheet becomes which pixel value.
class CTileImportDlg : public QDialog {
    Q_OBJECT
public:
    // `paletteColours` are the four colours of sub-palette 0 of the display palette set.
    CTileImportDlg(PictureBuffer sheet, const SheetColours& colours, const HalfColours& paletteColours,
                   QWidget* parent = nullptr);

    // The 512 tiles of the sheet under the chosen assignment.
    std::vector<Tile> Tiles() const;

private:
    void Advance(std::size_t half, std::size_t value);
    void Redraw();
    HalfColours AssignedColours(std::size_t half) const;

    PictureBuffer sheet;
    SheetColours colours;
    SheetAssignment assignment = kProposedAssignment;
    std::array<PictureBuffer, 3> previews;
    std::array<CNesCanvas*, 3> previewCanvases{};
    std::array<std::array<QPushButton*, 4>, kSheetHalves> buttons{};
};

} // namespace tikaroo
