#pragma once

#include "game/model.h"

#include <QString>

namespace tikaroo {

inline constexpr const char* kProgramTitle = "NES Tikaroo Level Editor v1.1.1";

// "NES Tikaroo Level Editor v1.1.1 [file.nes] - Level 2-3" or "... - Bonus 4".
QString WindowTitle(const QString& romFileName, const ViewState& view);

// The message of a failed save of the file at `path`, with the model's error text.
QString SaveErrorText(const QString& path, const char* error);

// The room line of the status bar; clickX is the click point's x in picture pixels (-1 for none).
QString RoomStatusText(int clickX, int room, const LevelRoom& levelRoom);

// The object line of the status bar: the object's x / 8, id, list (0-2, shown 1-3) and parameters.
QString ObjectStatusText(const ObjectEntry& entry, int list);

} // namespace tikaroo
