#pragma once

#include "game/edit_graphic_set.h"
#include "game/model.h"
#include "render/picture_buffer.h"

#include <QDialog>

#include <cstddef>
#include <cstdint>
#include <vector>

class QLabel;

namespace tikaroo {

class CNesCanvas;

// Shows every room of a graphic set side by side and picks one of them for the current level room.
class CRoomsMapDlg : public QDialog {
    Q_OBJECT
public:
    CRoomsMapDlg(const EditGraphicSet& set, const std::vector<PaletteSet>& palettes, std::size_t paletteSet,
                 std::uint8_t setRoom, QWidget* parent = nullptr);

    // The selected room of the set.
    std::uint8_t Room() const { return room; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Select(int newRoom);

    PictureBuffer picture;
    int roomCount = 0;
    std::uint8_t room = 0;
    CNesCanvas* canvas = nullptr;
    QLabel* textLine = nullptr;
};

} // namespace tikaroo
