#pragma once

#include "command_table.h"

#include <QIcon>

class QStyle;

namespace tikaroo {

QIcon CommandIconPicture(CommandIcon icon, const QStyle& style);

} // namespace tikaroo
