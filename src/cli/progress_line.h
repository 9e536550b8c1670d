#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

namespace tikaroo::cli {

// How far a batch has come, as one line rewritten in place on a terminal ("12/41 level-3-4.png").
// Off the terminal it prints nothing. Clear it before printing anything else.
class CProgressLine {
public:
    CProgressLine(std::ostream& terminal, bool shown) : terminal_(terminal), shown_(shown) {}
    ~CProgressLine() { Clear(); }
    CProgressLine(const CProgressLine&) = delete;
    CProgressLine& operator=(const CProgressLine&) = delete;

    void Show(std::size_t done, std::size_t total, const std::string& name);
    void Clear();

private:
    std::ostream& terminal_;
    bool shown_;
    bool onScreen_ = false;
};

} // namespace tikaroo::cli
