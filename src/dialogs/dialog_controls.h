#pragma once

#include <QString>

class QComboBox;
class QDialog;
class QSpinBox;
class QWidget;

namespace tikaroo {

// A decimal spin box that steps with the arrow keys and wraps around at both ends.
QSpinBox* MakeWrappingSpinBox(int minimum, int maximum, int value, const QString& name, QWidget* parent);

// A drop-down list with a name for finding it.
QComboBox* MakeDropDown(const QString& name, QWidget* parent);

// An error box captioned with the dialog's title.
void ShowDialogError(QDialog* dialog, const QString& text);

inline constexpr int kRoundsPerArea = 4;

// Adds the 32 levels as "area-round" entries, level slot order.
void AddLevelNames(QComboBox* list);

// Selects the entry that carries `data`, or none.
void SelectByData(QComboBox* list, int data);

} // namespace tikaroo
