#pragma once

#include "game/edit_graphic_set.h"
#include "game/model.h"
#include "render/picture_buffer.h"

#include <QDialog>

#include <optional>
#include <vector>

class QComboBox;

namespace tikaroo {

class CCellCursor;
class CNesCanvas;

// "Graphics sets": the rooms of one graphic set, block by block, in the display palette set.
class CGraphicSetEditorDlg : public QDialog {
    Q_OBJECT
public:
    // Starts on `graphicSet`, or on the first present set when that one is not present.
    CGraphicSetEditorDlg(EditGraphicSets sets, std::vector<PaletteSet> palettes, std::size_t paletteSet,
                         std::size_t graphicSet, QWidget* parent = nullptr);

    const EditGraphicSets& Sets() const { return sets; }
    std::size_t DisplayPaletteSet() const { return paletteSet; }

private:
    EditGraphicSet& Set() { return sets[graphicSet]; }
    bool HasSet() const { return graphicSet < sets.size(); }
    bool HasRoom() const { return HasSet() && room < sets[graphicSet].rooms.size(); }
    std::uint8_t& CellBlock();
    void SetBlock(int block);
    void ChooseSet(int index);
    void ChooseRoom(int index);
    bool StepAcrossRooms(int dx);
    void KeyPressed(int key, int delta, Qt::KeyboardModifiers modifiers);
    void ModifyBlock();
    void AddRoom(bool copySelected);
    void DeleteLastRoom();
    void FillRoomList();
    void RedrawBlocks();
    void RedrawRoom();
    void ShowTitle();

    EditGraphicSets sets;
    std::vector<PaletteSet> palettes;
    std::size_t paletteSet;
    std::size_t graphicSet = kGraphicSetCount; // none until a present set is chosen
    std::size_t room = 0;
    std::optional<std::uint8_t> clipboard;
    PictureBuffer blockStrip;
    PictureBuffer picture;
    QComboBox* setList = nullptr;
    QComboBox* roomList = nullptr;
    CNesCanvas* canvas = nullptr;
    CCellCursor* cursor = nullptr;
};

} // namespace tikaroo
