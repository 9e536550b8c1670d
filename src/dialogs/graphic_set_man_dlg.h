#pragma once

#include "game/edit_graphic_set.h"
#include "game/model.h"

#include <QDialog>

#include <vector>

class QTreeWidget;

namespace tikaroo {

// "Graphics manager": the seven CHR banks with their status, tile sheet export and import, and the
// graphic set editor. Works on its own copy of the sets, which the caller applies on OK.
class CGraphicSetManDlg : public QDialog {
    Q_OBJECT
public:
    CGraphicSetManDlg(EditGraphicSets sets, std::vector<PaletteSet> palettes, std::size_t paletteSet,
                      QWidget* parent = nullptr);

    const EditGraphicSets& Sets() const { return sets; }

private:
    // The selected set, or -1.
    int SelectedSet() const;
    // The selected set, after an error box when there is none.
    int ChosenSet();
    void ExportTiles();
    void ImportTiles();
    void OpenSetEditor();
    void FillList();
    void ShowError(const QString& text);

    EditGraphicSets sets;
    std::vector<PaletteSet> palettes;
    std::size_t paletteSet;
    QTreeWidget* list = nullptr;
};

} // namespace tikaroo
