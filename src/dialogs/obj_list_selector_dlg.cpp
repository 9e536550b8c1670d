#include "obj_list_selector_dlg.h"

#include "game/model.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>

namespace tikaroo {

CObjListSelectorDlg::CObjListSelectorDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Select level and list for copy"));
    auto* form = new QFormLayout(this);
    areaBox = new QComboBox(this);
    areaBox->setObjectName(QStringLiteral("area"));
    for (int slot = 0; slot < static_cast<int>(kPlayableLevelCount); ++slot)
        areaBox->addItem(QStringLiteral("Level %1-%2").arg(slot / 4 + 1).arg(slot % 4 + 1));
    for (int bonusLevel = 1; bonusLevel <= static_cast<int>(kBonusLevelCount); ++bonusLevel)
        areaBox->addItem(QStringLiteral("Bonus %1").arg(bonusLevel));
    form->addRow(QStringLiteral("Area:"), areaBox);
    listBox = new QComboBox(this);
    listBox->setObjectName(QStringLiteral("list"));
    for (int i = 1; i <= static_cast<int>(kObjectsListCount); ++i)
        listBox->addItem(QStringLiteral("List #%1").arg(i));
    form->addRow(QStringLiteral("List:"), listBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CObjListSelectorDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CObjListSelectorDlg::accept() {
    const int area = areaBox->currentIndex();
    if (area < 0 || listBox->currentIndex() < 0) {
        QMessageBox::critical(this, windowTitle(), QStringLiteral("Choose a valid area"));
        return;
    }
    bonus = area >= static_cast<int>(kPlayableLevelCount);
    level = static_cast<std::uint8_t>(bonus ? area - static_cast<int>(kPlayableLevelCount) : area);
    list = static_cast<std::uint8_t>(listBox->currentIndex());
    QDialog::accept();
}

} // namespace tikaroo
