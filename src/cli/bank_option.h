#pragma once

#include "verb.h"

#include <cstddef>
#include <optional>

namespace tikaroo::cli {

// --bank N: the CHR bank of graphic set N - 1, numbered 1-7 as the graphics manager lists them.
void DeclareBankOption(QCommandLineParser& parser);
// The graphic set the bank belongs to; nothing (after a line on the error stream) when --bank is
// missing or out of range.
std::optional<std::size_t> ChosenBank(const VerbCall& call);

} // namespace tikaroo::cli
