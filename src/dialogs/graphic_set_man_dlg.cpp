#include "graphic_set_man_dlg.h"

#include "dialog_buttons.h"
#include "file_dialogs.h"
#include "graphic_set_editor_dlg.h"
#include "render/nes_colors.h"
#include "render/tile_drawing.h"
#include "render/tile_sheet.h"
#include "tile_import_dlg.h"
#include "tile_sheet_file.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tikaroo {

namespace {

const QString kPngFilter = QStringLiteral("PNG files (*.png)");

QString StatusOf(const EditGraphicSet& set) {
    if (!set.Present()) return QStringLiteral("Empty");
    return set.used != 0 ? QStringLiteral("In use") : QStringLiteral("Created, but not used");
}

} // namespace

CGraphicSetManDlg::CGraphicSetManDlg(EditGraphicSets editSets, std::vector<PaletteSet> paletteSets,
                                     std::size_t displayPaletteSet, QWidget* parent)
    : QDialog(parent), sets(std::move(editSets)), palettes(std::move(paletteSets)),
      paletteSet(displayPaletteSet < palettes.size() ? displayPaletteSet : 0) {
    setWindowTitle(QStringLiteral("Graphics manager"));
    list = new QTreeWidget(this);
    list->setHeaderLabels({QStringLiteral("CHR Bank"), QStringLiteral("Status")});
    list->setRootIsDecorated(false);
    auto* buttons = new QHBoxLayout;
    QPushButton* import = CommandButton(QStringLiteral("Import tiles..."), this);
    QPushButton* exportTiles = CommandButton(QStringLiteral("Export tiles..."), this);
    QPushButton* editor = CommandButton(QStringLiteral("Set editor..."), this);
    for (QPushButton* button : {import, exportTiles, editor}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addLayout(buttons);
    AddOkCancel(this, layout);
    connect(import, &QPushButton::clicked, this, &CGraphicSetManDlg::ImportTiles);
    connect(exportTiles, &QPushButton::clicked, this, &CGraphicSetManDlg::ExportTiles);
    connect(editor, &QPushButton::clicked, this, &CGraphicSetManDlg::OpenSetEditor);
    FillList();
}

int CGraphicSetManDlg::SelectedSet() const {
    QTreeWidgetItem* item = list->currentItem();
    return item != nullptr && item->isSelected() ? list->indexOfTopLevelItem(item) : -1;
}

int CGraphicSetManDlg::ChosenSet() {
    const int set = SelectedSet();
    if (set < 0) ShowError(QStringLiteral("Choose a bank to export"));
    return set;
}

void CGraphicSetManDlg::ExportTiles() {
    const int set = ChosenSet();
    if (set < 0) return;
    const std::vector<Tile>& tiles = sets[static_cast<std::size_t>(set)].tiles;
    if (tiles.empty()) {
        ShowError(QStringLiteral("This bank is empty"));
        return;
    }
    const QString path = ChooseFileToSave(
        this, windowTitle(), QStringLiteral("Tikaroo I CHR Bank %1.png").arg(set + 1), kPngFilter);
    if (path.isEmpty()) return;
    const PictureBuffer sheet = DrawTileSheet(tiles, SubPaletteOf(palettes[paletteSet], 0));
    // A file that cannot be written is said, not passed over.
    if (!WritePngFile(sheet, path)) ShowError(QStringLiteral("Unable to write file '%1'").arg(path));
}

void CGraphicSetManDlg::ImportTiles() {
    const int set = ChosenSet();
    if (set < 0) return;
    const QString path = ChooseFileToOpen(this, windowTitle(), QStringLiteral("tiles.png"), kPngFilter);
    if (path.isEmpty()) return;
    LoadedTileSheet sheet = LoadTileSheet(path);
    if (sheet.error != nullptr) {
        ShowError(QString::fromLatin1(sheet.error));
        return;
    }
    HalfColours paletteColours{};
    const SubPalette subPalette = SubPaletteOf(palettes[paletteSet], 0);
    for (std::size_t v = 0; v < paletteColours.size(); ++v) paletteColours[v] = NesColour(subPalette[v]);
    CTileImportDlg importer(std::move(sheet.picture), sheet.colours, paletteColours, this);
    if (importer.exec() != QDialog::Accepted) return;
    sets[static_cast<std::size_t>(set)].TakeTiles(importer.Tiles());
    FillList();
}

void CGraphicSetManDlg::OpenSetEditor() {
    const int selected = SelectedSet();
    CGraphicSetEditorDlg editor(sets, palettes, paletteSet, static_cast<std::size_t>(std::max(selected, 0)),
                                this);
    if (editor.exec() != QDialog::Accepted) return;
    sets = editor.Sets();
    paletteSet = editor.DisplayPaletteSet();
    FillList();
}

void CGraphicSetManDlg::FillList() {
    const int selected = SelectedSet();
    list->clear();
    for (std::size_t id = 0; id < sets.size(); ++id)
        new QTreeWidgetItem(list, {QString::number(id + 1), StatusOf(sets[id])});
    if (selected >= 0) list->setCurrentItem(list->topLevelItem(selected));
}

void CGraphicSetManDlg::ShowError(const QString& text) {
    QMessageBox::critical(this, windowTitle(), text);
}

} // namespace tikaroo
