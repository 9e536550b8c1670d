#pragma once

#include <QString>

class QWidget;

namespace tikaroo {

// The editor's file dialogs. A proposed bare file name starts in the folder of the file chosen last
// (kept in the user's settings); a proposed path starts where it points. The folder of the chosen file
// is remembered for the next dialog, also in the next run.
QString ChooseFileToOpen(QWidget* parent, const QString& caption, const QString& proposed,
                         const QString& filter);
QString ChooseFileToSave(QWidget* parent, const QString& caption, const QString& proposed,
                         const QString& filter, QString* chosenFilter = nullptr);

// The folder that a bare file name is proposed in; empty before the first choice.
QString LastFolder();

} // namespace tikaroo
