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

// The most recently opened ROM files, newest first, at most kRecentFilesLimit.
inline constexpr int kRecentFilesLimit = 8;
QStringList RecentFiles();
// Puts `path` first, once, and keeps the newest kRecentFilesLimit.
void AddRecentFile(const QString& path);
void ClearRecentFiles();

// The original game that the last patch was made against.
QString PatchOriginal();
void StorePatchOriginal(const QString& path);

// The canvas zoom as a step of the zoom ladder, 0 for actual size.
int ZoomStep();
void StoreZoomStep(int step);

bool ShowGrid();
void StoreShowGrid(bool show);

} // namespace editor_settings

} // namespace tikaroo
