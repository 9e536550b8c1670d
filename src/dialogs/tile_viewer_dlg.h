#pragma once

#include "game/model.h"
#include "render/picture_buffer.h"
#include "rom/tile.h"

#include <QDialog>

#include <cstdint>
#include <vector>

namespace tikaroo {

class CCellCursor;
class CNesCanvas;

// "Tiles list": the 256 tiles that blocks can use, four times enlarged; picks one.
class CTileViewerDlg : public QDialog {
    Q_OBJECT
public:
    CTileViewerDlg(const std::vector<Tile>& tiles, const std::vector<PaletteSet>& palettes,
                   std::size_t paletteSet, std::uint8_t tile, QWidget* parent = nullptr);

    std::uint8_t SelectedTile() const;

private:
    void Redraw();
    void KeyPressed(int key);

    PictureBuffer tileStrip;
    PictureBuffer picture;
    CNesCanvas* canvas = nullptr;
    CCellCursor* cursor = nullptr;
    std::uint8_t attribute = 0;
};

} // namespace tikaroo
