#pragma once

#include <QString>

namespace tikaroo {

// Two upper-case hexadecimal digits, as "%02X" writes them.
inline QString Hex2(int value) {
    return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QChar('0')).toUpper();
}

} // namespace tikaroo
