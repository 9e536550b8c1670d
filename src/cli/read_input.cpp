#include "read_input.h"

#include "rom/file_io.h"

#include <ostream>

namespace tikaroo::cli {

bool ReadInput(const std::string& path, std::uintmax_t maxSize, Bytes& bytes, std::ostream& err) {
    switch (ReadWholeFile(path, maxSize, bytes)) {
    case FileReadResult::Ok:
        return true;
    case FileReadResult::TooLarge:
        err << path << ": larger than " << maxSize << " bytes\n";
        return false;
    case FileReadResult::CannotOpen:
    case FileReadResult::ShortRead:
        break;
    }
    err << path << ": cannot be read\n";
    return false;
}

} // namespace tikaroo::cli
