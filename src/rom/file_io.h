#pragma once

#include "bytes.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tikaroo {

// Reads a whole file; nothing when it cannot be opened, is larger than maxSize, or reads short.
enum class FileReadResult { Ok, CannotOpen, TooLarge, ShortRead };
FileReadResult ReadWholeFile(const std::string& path, std::uintmax_t maxSize, Bytes& out);

// Writes all bytes to a temporary file beside `path` and only then replaces `path`, so a failed write
// never leaves a truncated file where a good one stood. A symbolic link is followed to the file it names,
// which is replaced with its permission bits kept; where its folder takes no temporary file, a file that
// can be written is written in place. With a `backupPath`, a file that is replaced is first kept there
// (a backup standing there is replaced only by a whole copy); when that fails nothing is written. Returns
// false on any failure.
bool WriteFileAtomically(const std::string& path, const Bytes& bytes, const std::string& backupPath = {});

} // namespace tikaroo
