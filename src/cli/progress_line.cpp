#include "progress_line.h"

#include <ostream>

namespace tikaroo::cli {

namespace {

// Back to the line's start; erase to the line's end.
constexpr const char* kLineStart = "\r";
constexpr const char* kEraseToEnd = "\x1b[K";

} // namespace

void CProgressLine::Show(std::size_t done, std::size_t total, const std::string& name) {
    if (!shown_) return;
    terminal_ << kLineStart << done << "/" << total << " " << name << kEraseToEnd << std::flush;
    onScreen_ = true;
}

void CProgressLine::Clear() {
    if (!onScreen_) return;
    terminal_ << kLineStart << kEraseToEnd << std::flush;
    onScreen_ = false;
}

} // namespace tikaroo::cli
