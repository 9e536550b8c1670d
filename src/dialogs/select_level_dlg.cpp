#include "select_level_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QMessageBox>
#include <QVBoxLayout>

namespace tikaroo {

namespace {
constexpr int kLevelCount = 32;
constexpr int kBonusLevelCount = 9;
} // namespace

CSelectLevelDlg::CSelectLevelDlg(std::uint8_t slot, std::uint8_t bonus, bool bonusFlag, QWidget* parent)
    : QDialog(parent), levelSlot(slot), bonusLevel(bonus), bonusMode(bonusFlag) {
    setWindowTitle(QStringLiteral("Select a level"));
    auto* layout = new QVBoxLayout(this);
    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("levels"));
    bonusBox = new QCheckBox(QStringLiteral("Bonus levels"), this);
    bonusBox->setChecked(bonusFlag);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(list);
    layout->addWidget(bonusBox);
    layout->addWidget(buttons);
    connect(bonusBox, &QCheckBox::toggled, this, &CSelectLevelDlg::FillList);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSelectLevelDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list, &QListWidget::itemDoubleClicked, this, &CSelectLevelDlg::accept);
    FillList();
    resize(260, 420);
}

void CSelectLevelDlg::FillList() {
    list->clear();
    const bool bonus = bonusBox->isChecked();
    const int count = bonus ? kBonusLevelCount : kLevelCount;
    const int selected = bonus ? bonusLevel : levelSlot;
    for (int item = 0; item < count; ++item) {
        const QString text = bonus ? QStringLiteral("Bonus %1").arg(item + 1)
                                   : QStringLiteral("Area %1, Round %2").arg(item / 4 + 1).arg(item % 4 + 1);
        auto* entry = new QListWidgetItem(text, list);
        entry->setData(Qt::UserRole, item);
        if (item == selected) list->setCurrentItem(entry);
    }
}

void CSelectLevelDlg::accept() {
    const QListWidgetItem* item = list->currentItem();
    if (item == nullptr || !item->isSelected()) {
        QMessageBox::critical(this, windowTitle(), QStringLiteral("Select a level"));
        return;
    }
    const int chosen = item->data(Qt::UserRole).toInt();
    bonusMode = bonusBox->isChecked();
    (bonusMode ? bonusLevel : levelSlot) = static_cast<std::uint8_t>(chosen);
    QDialog::accept();
}

} // namespace tikaroo
