#include "dialog_controls.h"

#include <QComboBox>
#include <QDialog>
#include <QMessageBox>
#include <QSpinBox>

namespace tikaroo {

QSpinBox* MakeWrappingSpinBox(int minimum, int maximum, int value, const QString& name, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    spin->setWrapping(true);
    spin->setValue(value);
    return spin;
}

QComboBox* MakeDropDown(const QString& name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    return list;
}

void ShowDialogError(QDialog* dialog, const QString& text) {
    QMessageBox::critical(dialog, dialog->windowTitle(), text);
}

void AddLevelNames(QComboBox* list) {
    constexpr int kLevels = 32;
    for (int slot = 0; slot < kLevels; ++slot)
        list->addItem(QStringLiteral("%1-%2").arg(slot / kRoundsPerArea + 1).arg(slot % kRoundsPerArea + 1));
}

void SelectByData(QComboBox* list, int data) {
    list->setCurrentIndex(list->findData(data));
}

} // namespace tikaroo
