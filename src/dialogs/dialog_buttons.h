#pragma once

class QBoxLayout;
class QDialog;
class QPushButton;
class QString;

namespace tikaroo {

// OK and Cancel at the end of `layout`. OK is the default button, so Enter presses it wherever the focus
// is (the dialog's other buttons come from CommandButton and never take Enter); Esc cancels.
void AddOkCancel(QDialog* dialog, QBoxLayout* layout);
// A button that acts only when clicked or pressed with Space.
QPushButton* CommandButton(const QString& text, QDialog* dialog);

} // namespace tikaroo
