#include "objects_manager_dlg.h"

#include "obj_list_selector_dlg.h"
#include "object_images.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace tikaroo {

namespace {

constexpr int kObjectColumn = 0;
constexpr int kIndexRole = Qt::UserRole;
constexpr QSize kRowIconSize(32, 32);

QPushButton* AddButton(QBoxLayout* row, const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false); // Enter stays with OK
    row->addWidget(button);
    return button;
}

} // namespace

CObjectsManagerDlg::CObjectsManagerDlg(Input input, const CObjectImages& objectImages, QWidget* parent)
    : QDialog(parent), copy(std::move(input)), images(objectImages) {
    setWindowTitle(QStringLiteral("Objects manager"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    listBox = new QComboBox(this);
    listBox->setObjectName(QStringLiteral("list"));
    for (int i = 1; i <= static_cast<int>(kObjectsListCount); ++i)
        listBox->addItem(QStringLiteral("List #%1").arg(i));
    const bool hasSelection =
        copy.selectedList >= 0 && copy.selectedList < static_cast<int>(kObjectsListCount);
    listBox->setCurrentIndex(hasSelection ? copy.selectedList : 0);
    form->addRow(QStringLiteral("List:"), listBox);
    layout->addLayout(form);

    layout->addWidget(new QLabel(QStringLiteral("Objects list")));
    tree = new QTreeWidget(this);
    tree->setObjectName(QStringLiteral("objects"));
    tree->setIconSize(kRowIconSize);
    tree->setHeaderLabels({QStringLiteral("Object"), QStringLiteral("X")});
    tree->header()->setSectionsClickable(true);
    tree->header()->setSortIndicatorShown(true);
    tree->header()->setSectionResizeMode(kObjectColumn, QHeaderView::ResizeToContents);
    connect(tree->header(), &QHeaderView::sectionClicked, this, &CObjectsManagerDlg::SortBy);
    layout->addWidget(tree);

    auto* row = new QHBoxLayout;
    connect(AddButton(row, QStringLiteral("Select object"), "selectObject"), &QPushButton::clicked, this,
            &CObjectsManagerDlg::SelectObject);
    connect(AddButton(row, QStringLiteral("Copy list from..."), "copyList"), &QPushButton::clicked, this,
            &CObjectsManagerDlg::CopyListFrom);
    connect(AddButton(row, QStringLiteral("Flush list"), "flushList"), &QPushButton::clicked, this,
            &CObjectsManagerDlg::FlushList);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Fill();
    resize(460, 600);
}

ObjectLists& CObjectsManagerDlg::ShownLists() {
    return (copy.bonusMode ? copy.bonusLevels : copy.levels).at(copy.level);
}

// The three lists as the groups of the tree, each sorted by the chosen column; the canvas's selected
// object stays selected and in view.
void CObjectsManagerDlg::Fill() {
    tree->clear();
    tree->header()->setSortIndicator(sortColumn, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    const ObjectLists& lists = ShownLists();
    QTreeWidgetItem* selected = nullptr;
    for (std::size_t k = 0; k < lists.size(); ++k) {
        auto* group = new QTreeWidgetItem(tree, {QStringLiteral("List #%1").arg(k + 1)});
        group->setFirstColumnSpanned(true);
        const ObjectsList& list = lists[k];
        std::vector<std::size_t> order(list.size());
        std::iota(order.begin(), order.end(), 0);
        const auto key = [&](std::size_t i) { return sortColumn == kObjectColumn ? list[i].id : list[i].x; };
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return ascending ? key(a) < key(b) : key(b) < key(a);
        });
        for (const std::size_t i : order) {
            const ObjectEntry& entry = list[i];
            auto* item = new QTreeWidgetItem(
                group, {QString::asprintf("0x%02X [Param: %02X:%02X]", entry.id, entry.param1, entry.param2),
                        QString::number(entry.x / 8)});
            item->setIcon(kObjectColumn, images.Icon(entry.id));
            item->setData(kObjectColumn, kIndexRole, static_cast<qulonglong>(i));
            if (static_cast<int>(k) == copy.selectedList && static_cast<int>(i) == copy.selectedIndex)
                selected = item;
        }
    }
    tree->expandAll();
    if (selected != nullptr) {
        tree->setCurrentItem(selected);
        tree->scrollToItem(selected);
    }
}

void CObjectsManagerDlg::SortBy(int column) {
    ascending = column == sortColumn ? !ascending : true;
    sortColumn = column;
    Fill();
}

void CObjectsManagerDlg::SelectObject() {
    const QTreeWidgetItem* item = tree->currentItem();
    if (item == nullptr || item->parent() == nullptr || !item->isSelected()) {
        QMessageBox::critical(this, windowTitle(), QStringLiteral("No object selected"));
        return;
    }
    chosen.list = static_cast<std::uint32_t>(tree->indexOfTopLevelItem(item->parent()));
    chosen.index = item->data(kObjectColumn, kIndexRole).toUInt();
    chosen.entry = ShownLists()[chosen.list][chosen.index];
    done(kSelectObject);
}

void CObjectsManagerDlg::CopyListFrom() {
    CObjListSelectorDlg selector(this);
    if (selector.exec() != QDialog::Accepted) return;
    const ObjectLists& source = (selector.Bonus() ? copy.bonusLevels : copy.levels).at(selector.Level());
    ShownLists()[static_cast<std::size_t>(listBox->currentIndex())] = ObjectsList(source[selector.List()]);
    Fill();
}

void CObjectsManagerDlg::FlushList() {
    const auto answer = QMessageBox::question(
        this, windowTitle(), QStringLiteral("Are you sure that you want to wipe this objects list?"),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
    ShownLists()[static_cast<std::size_t>(listBox->currentIndex())].clear();
    Fill();
}

} // namespace tikaroo
