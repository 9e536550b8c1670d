#pragma once

#include "dialogs/preferences.h"

#include <QString>
#include <QStringList>

namespace tikaroo {

// What the editor remembers between runs, in QSettings under the names that main() sets. Nothing is
// written next to a ROM file.
namespace editor_settings {

Preferences LoadPreferences();
void StorePreferences(const Preferences& preferences);

// The most recently opened ROM files, newest first.
QStringList RecentFiles();
void StoreRecentFiles(const QStringList& files);

// The folder of the last file chosen in a file dialog.
QString LastFolder();
void StoreLastFolder(const QString& folder);

// The canvas zoom as a step of the zoom ladder, 0 for actual size.
int ZoomStep();
void StoreZoomStep(int step);

bool ShowGrid();
void StoreShowGrid(bool show);

} // namespace editor_settings

} // namespace tikaroo
