#include "level_set_editor_dlg.h"

#include "dialog_buttons.h"
#include "dialog_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tikaroo {

namespace {

namespace bits = level_set_attributes;

constexpr int kMusicCount = 15;
constexpr int kBridgesTilesets = 7;

int GraphicSetOf(std::uint8_t attributes) {
    return (attributes & bits::kGraphicSetMask) >> bits::kGraphicSetShift;
}

// Replaces the bits of `mask` in `attributes` by those of `value`.
void PutBits(std::uint8_t& attributes, std::uint8_t mask, int value) {
    attributes = static_cast<std::uint8_t>((attributes & ~mask) | (value & mask));
}

} // namespace

CLevelSetEditorDlg::CLevelSetEditorDlg(Mode editMode, const LevelSetSummary& sets,
                                       std::uint8_t currentLevelSet, const EditGraphicSets& graphicSets,
                                       QWidget* parent)
    : QDialog(parent), mode(editMode), levelSets(sets) {
    setWindowTitle(QStringLiteral("Level set editor"));
    auto* form = new QFormLayout;
    if (mode == Mode::Modify) {
        levelSetList = MakeDropDown(QStringLiteral("levelSet"), this);
        for (const auto& [id, set] : levelSets)
            if (!set.notSelectable) levelSetList->addItem(QStringLiteral("Set #%1").arg(id + 1), id);
        SelectByData(levelSetList, currentLevelSet);
        connect(levelSetList, &QComboBox::activated, this, &CLevelSetEditorDlg::ShowSelectedSet);
        form->addRow(QStringLiteral("Level set:"), levelSetList);
    } else {
        auto* newSetText =
            new QLineEdit(QStringLiteral("<NEW SET> Unused sets will be removed when saving ROM"), this);
        newSetText->setReadOnly(true);
        newSetText->setCursorPosition(0);
        newSetText->setMinimumWidth(newSetText->fontMetrics().horizontalAdvance(newSetText->text()) + 16);
        form->addRow(QStringLiteral("Level set:"), newSetText);
    }

    musicList = MakeDropDown(QStringLiteral("music"), this);
    for (int music = 0; music < kMusicCount; ++music)
        musicList->addItem(QStringLiteral("#%1").arg(music + 1));
    graphicSetList = MakeDropDown(QStringLiteral("graphicSet"), this);
    for (std::size_t id = 0; id < graphicSets.size(); ++id)
        if (graphicSets[id].Present())
            graphicSetList->addItem(QStringLiteral("Set #%1").arg(id + 1), int(id));
    // A set's rooms name rooms of its graphic set, so only a new set may choose one.
    graphicSetList->setEnabled(mode == Mode::Create);
    seaLevelBox = new QCheckBox(QStringLiteral("Sea level"), this);
    seaLevelBox->setObjectName(QStringLiteral("seaLevel"));
    bridgesList = MakeDropDown(QStringLiteral("bridges"), this);
    for (int tileset = 0; tileset < kBridgesTilesets; ++tileset)
        bridgesList->addItem(QStringLiteral("Set #%1").arg(tileset + 1));
    altPaletteBox = new QCheckBox(QStringLiteral("Alt. objects palette"), this);
    altPaletteBox->setObjectName(QStringLiteral("altObjectsPalette"));
    form->addRow(QStringLiteral("Bg music:"), musicList);
    form->addRow(QStringLiteral("Graphic set:"), graphicSetList);
    form->addRow(seaLevelBox);
    form->addRow(QStringLiteral("Bridges tileset:"), bridgesList);
    form->addRow(altPaletteBox);
    for (QComboBox* list : {musicList, graphicSetList, bridgesList})
        connect(list, &QComboBox::activated, this, &CLevelSetEditorDlg::StoreControls);
    for (QCheckBox* box : {seaLevelBox, altPaletteBox})
        connect(box, &QCheckBox::clicked, this, &CLevelSetEditorDlg::StoreControls);

    // A new set starts all zero but on a graphic set that can be drawn, which is what the list shows.
    if (graphicSetList->count() > 0)
        PutBits(newSet.attributes, bits::kGraphicSetMask,
                graphicSetList->itemData(0).toInt() << bits::kGraphicSetShift);
    ShowSelectedSet();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    AddOkCancel(this, layout);
}

LevelSetSummaryEntry* CLevelSetEditorDlg::SelectedEntry() {
    if (mode == Mode::Create) return &newSet;
    if (levelSetList->currentIndex() < 0) return nullptr;
    return &levelSets[static_cast<std::uint8_t>(levelSetList->currentData().toInt())];
}

void CLevelSetEditorDlg::ShowSelectedSet() {
    const LevelSetSummaryEntry* entry = SelectedEntry();
    if (entry == nullptr) return;
    musicList->setCurrentIndex(entry->music < kMusicCount ? entry->music : -1);
    SelectByData(graphicSetList, GraphicSetOf(entry->attributes));
    const int bridges = entry->attributes & bits::kBridgesMask;
    bridgesList->setCurrentIndex(bridges < kBridgesTilesets ? bridges : -1);
    seaLevelBox->setChecked((entry->attributes & bits::kSeaLevel) != 0);
    altPaletteBox->setChecked((entry->attributes & bits::kAltObjectsPalette) != 0);
}

void CLevelSetEditorDlg::StoreControls() {
    LevelSetSummaryEntry* entry = SelectedEntry();
    if (entry == nullptr) return;
    std::uint8_t& attributes = entry->attributes;
    if (mode == Mode::Create && graphicSetList->currentIndex() >= 0)
        PutBits(attributes, bits::kGraphicSetMask,
                graphicSetList->currentData().toInt() << bits::kGraphicSetShift);
    if (bridgesList->currentIndex() >= 0)
        PutBits(attributes, bits::kBridgesMask, bridgesList->currentIndex());
    if (musicList->currentIndex() >= 0) entry->music = static_cast<std::uint8_t>(musicList->currentIndex());
    PutBits(attributes, bits::kSeaLevel, seaLevelBox->isChecked() ? bits::kSeaLevel : 0);
    PutBits(attributes, bits::kAltObjectsPalette, altPaletteBox->isChecked() ? bits::kAltObjectsPalette : 0);
}

void CLevelSetEditorDlg::accept() {
    if (mode == Mode::Create && levelSets.size() >= kMaxLevelSets) {
        ShowDialogError(this, QStringLiteral("Maximum count of level sets has been reached"));
        return;
    }
    QDialog::accept();
}

} // namespace tikaroo
