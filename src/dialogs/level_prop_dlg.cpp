#include "level_prop_dlg.h"

#include "dialog_buttons.h"
#include "dialog_controls.h"
#include "game/model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tikaroo {

namespace {

const QString kEggHelp = QStringLiteral(
    "For each checkpoint in egg I or in egg II after weapon:\n[ ][ ] - Skateboard, [ ][V] - Milk\n"
    "[V][ ] - Flower, [V][V] - Invulnerability");
constexpr int kNibbleMax = 15;

QString SetName(std::size_t number) {
    return QStringLiteral("Set #%1").arg(number);
}

} // namespace

CLevelPropDlg::CLevelPropDlg(const LevelProperties& initial, const LevelSetSummary& levelSets,
                             std::size_t paletteSetCount, std::size_t updaterCount, QWidget* parent)
    : QDialog(parent), properties(initial) {
    setWindowTitle(QStringLiteral("Level properties"));

    levelSetList = MakeDropDown(QStringLiteral("levelSet"), this);
    for (const auto& [id, set] : levelSets)
        if (!set.notSelectable) levelSetList->addItem(SetName(std::size_t{id} + 1), id);
    SelectByData(levelSetList, properties.levelSet);
    paletteSetList = MakeDropDown(QStringLiteral("paletteSet"), this);
    for (std::size_t set = 0; set < paletteSetCount; ++set) paletteSetList->addItem(SetName(set + 1));
    paletteSetList->setCurrentIndex(properties.paletteSet < paletteSetCount ? properties.paletteSet : -1);
    updaterList = MakeDropDown(QStringLiteral("paletteUpdater"), this);
    updaterList->addItem(QStringLiteral("Not used"), kNoPaletteUpdater);
    for (std::size_t updater = 0; updater < updaterCount; ++updater)
        updaterList->addItem(SetName(updater + 1), static_cast<int>(updater));
    updaterList->setCurrentIndex(std::max(0, updaterList->findData(properties.paletteUpdater)));

    auto* lists = new QFormLayout;
    lists->addRow(QStringLiteral("Level set:"), levelSetList);
    lists->addRow(QStringLiteral("Palette set:"), paletteSetList);
    lists->addRow(QStringLiteral("Pal. updater:"), updaterList);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(MakeEggBoxes());
    layout->addLayout(lists);
    layout->addLayout(MakeTopBoxes());
    AddOkCancel(this, layout);
}

QLayout* CLevelPropDlg::MakeEggBoxes() {
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(new QLabel(QStringLiteral("Egg values:"), this));
    for (std::size_t box = 0; box < eggBoxes.size(); ++box) {
        eggBoxes[box] = new QCheckBox(this);
        eggBoxes[box]->setObjectName(QStringLiteral("egg%1").arg(box));
        eggBoxes[box]->setChecked((properties.eggValues >> (7 - box) & 1) != 0);
        if (box % 2 == 0 && box > 0) boxes->addSpacing(10); // a pair per checkpoint
        boxes->addWidget(eggBoxes[box]);
    }
    boxes->addStretch();
    auto* eggs = new QVBoxLayout;
    eggs->addLayout(boxes);
    eggs->addWidget(new QLabel(kEggHelp, this));
    return eggs;
}

QLayout* CLevelPropDlg::MakeTopBoxes() {
    auto* grid = new QGridLayout;
    for (std::size_t pair = 0; pair < properties.tops.size(); ++pair) {
        const int row = static_cast<int>(pair);
        const std::uint8_t top = properties.tops[pair];
        topBoxes[2 * pair] =
            MakeWrappingSpinBox(0, kNibbleMax, top >> 4, QStringLiteral("topOfScreen%1").arg(pair + 1), this);
        topBoxes[2 * pair + 1] =
            MakeWrappingSpinBox(0, kNibbleMax, top & 15, QStringLiteral("topOfFloor%1").arg(pair + 1), this);
        grid->addWidget(new QLabel(QStringLiteral("Top of screen #%1:").arg(pair + 1), this), row, 0);
        grid->addWidget(topBoxes[2 * pair], row, 1);
        grid->addWidget(new QLabel(QStringLiteral("Top of floor #%1:").arg(pair + 1), this), row, 2);
        grid->addWidget(topBoxes[2 * pair + 1], row, 3);
    }
    return grid;
}

void CLevelPropDlg::accept() {
    if (levelSetList->currentIndex() < 0) {
        ShowDialogError(this, QStringLiteral("Select level set"));
        return;
    }
    properties.eggValues = 0;
    for (std::size_t box = 0; box < eggBoxes.size(); ++box)
        if (eggBoxes[box]->isChecked()) properties.eggValues |= static_cast<std::uint8_t>(0x80 >> box);
    for (std::size_t pair = 0; pair < properties.tops.size(); ++pair)
        properties.tops[pair] =
            static_cast<std::uint8_t>(topBoxes[2 * pair]->value() << 4 | topBoxes[2 * pair + 1]->value());
    properties.levelSet = static_cast<std::uint8_t>(levelSetList->currentData().toInt());
    if (paletteSetList->currentIndex() >= 0)
        properties.paletteSet = static_cast<std::uint8_t>(paletteSetList->currentIndex());
    properties.paletteUpdater = static_cast<std::uint8_t>(updaterList->currentData().toInt());
    QDialog::accept();
}

} // namespace tikaroo
