#include "obj_sel_dlg.h"

#include "object_images.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tikaroo {

CObjSelDlg::CObjSelDlg(const std::vector<ObjectHit>& hits, const CObjectImages& images, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Choose the object"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("There are multiple objects found at the selected point. Please choose one:")));
    table = new QTreeWidget(this);
    table->setObjectName(QStringLiteral("objects"));
    table->setRootIsDecorated(false);
    table->setIconSize(images.IconSize());
    table->setHeaderLabels({QStringLiteral("Object ID"), QStringLiteral("List ID"), QStringLiteral("Param 1"),
                            QStringLiteral("Param 2")});
    for (const ObjectHit& hit : hits) {
        auto* row = new QTreeWidgetItem(table, {QString::asprintf("0x%02X", hit.entry.id),
                                                QString::number(hit.list + 1),
                                                QString::asprintf("0x%02X", hit.entry.param1),
                                                QString::asprintf("0x%02X", hit.entry.param2)});
        row->setIcon(0, images.Icon(hit.entry.id));
    }
    table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CObjSelDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table, &QTreeWidget::itemDoubleClicked, this, &CObjSelDlg::accept);
}

void CObjSelDlg::accept() {
    QTreeWidgetItem* row = table->currentItem();
    if (row == nullptr || !row->isSelected()) {
        QMessageBox::critical(this, windowTitle(), QStringLiteral("Choose the object"));
        return;
    }
    chosen = static_cast<std::size_t>(table->indexOfTopLevelItem(row));
    QDialog::accept();
}

} // namespace tikaroo
