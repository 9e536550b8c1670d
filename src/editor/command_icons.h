#pragma once

#include "command_table.h"

#include <QIcon>

namespace tikaroo {

// The picture of a command's menu item and toolbar button; an empty icon for CommandIcon::None.
QIcon CommandIconPicture(CommandIcon icon);
// The program's own icon, of the window and of the desktop entry.
QIcon ApplicationIcon();

} // namespace tikaroo
