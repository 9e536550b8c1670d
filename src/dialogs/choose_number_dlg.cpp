#include "choose_number_dlg.h"

#include "dialog_buttons.h"

#include <QListWidget>
#include <QMessageBox>
#include <QVBoxLayout>

namespace tikaroo {

CChooseNumberDlg::CChooseNumberDlg(const std::vector<std::size_t>& numbers, QWidget* parent)
    : QDialog(parent), list(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Choose a palette to copy to..."));
    auto* layout = new QVBoxLayout(this);
    for (const std::size_t number : numbers) {
        auto* item = new QListWidgetItem(QStringLiteral("#%1").arg(number + 1), list);
        item->setData(Qt::UserRole, static_cast<qulonglong>(number));
    }
    list->setCurrentRow(0);
    layout->addWidget(list);
    AddOkCancel(this, layout);
    connect(list, &QListWidget::itemDoubleClicked, this, &CChooseNumberDlg::accept);
    resize(260, 320);
}

void CChooseNumberDlg::accept() {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) {
        QMessageBox::critical(this, windowTitle(), QStringLiteral("Choose a valid value"));
        return;
    }
    chosen = static_cast<std::size_t>(selected.front()->data(Qt::UserRole).toULongLong());
    QDialog::accept();
}

} // namespace tikaroo
