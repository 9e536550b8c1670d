#include "lzw.h"

#include <array>
#include <cstddef>
#include <optional>

namespace tikaroo {
namespace {

// Every prefix of a code is a smaller code, so the longest string is one byte per defined code plus the
// byte a code repeated before its definition appends.
constexpr std::size_t kUnrollStackSize = 4000;
constexpr std::size_t kLongestString = kLzwEndCode - kLzwFirstFreeCode + 1;
static_assert(kUnrollStackSize >= kLongestString);

class CodeReader {
public:
    explicit CodeReader(std::span<const std::uint8_t> stream) : stream_(stream) {}

    // The next code, or nothing once its bits would reach past the input.
    std::optional<unsigned> Next() {
        while (count_ <= 24) {
            const std::uint32_t byte = next_ < stream_.size() ? stream_[next_] : 0;
            ++next_;
            buffer_ |= byte << (24 - count_);
            count_ += 8;
        }
        if (8 * next_ - count_ + kLzwCodeBits > 8 * stream_.size()) return std::nullopt;
        const unsigned code = buffer_ >> (32 - kLzwCodeBits);
        buffer_ <<= kLzwCodeBits;
        count_ -= kLzwCodeBits;
        return code;
    }

private:
    std::span<const std::uint8_t> stream_;
    std::size_t next_ = 0;
    std::uint32_t buffer_ = 0;
    unsigned count_ = 0;
};

struct Entry {
    std::uint16_t prefix = 0;
    std::uint8_t last = 0;
};

class Dictionary {
public:
    bool Defines(unsigned code) const { return code < nextFree_; }
    bool IsNextFree(unsigned code) const { return code == nextFree_; }

    void Define(unsigned prefix, std::uint8_t last) {
        if (nextFree_ >= kLzwEndCode) return;
        entries_[nextFree_ - kLzwFirstFreeCode] = {static_cast<std::uint16_t>(prefix), last};
        ++nextFree_;
    }

    // Appends the string of a defined code; returns its first byte.
    std::uint8_t Append(unsigned code, Bytes& out) {
        std::size_t depth = 0;
        while (code >= kLzwFirstFreeCode) {
            const Entry& entry = entries_[code - kLzwFirstFreeCode];
            stack_[depth++] = entry.last;
            code = entry.prefix;
        }
        const auto first = static_cast<std::uint8_t>(code);
        out.push_back(first);
        out.insert(out.end(), stack_.rend() - static_cast<std::ptrdiff_t>(depth), stack_.rend());
        return first;
    }

private:
    std::array<Entry, kLzwEndCode - kLzwFirstFreeCode> entries_{};
    std::array<std::uint8_t, kUnrollStackSize> stack_{};
    unsigned nextFree_ = kLzwFirstFreeCode;
};

} // namespace

Bytes LzwDecode(std::span<const std::uint8_t> stream) {
    Bytes out;
    CodeReader reader(stream);
    const auto first = reader.Next();
    if (!first || *first >= kLzwFirstFreeCode) return out;

    Dictionary dictionary;
    unsigned oldCode = *first;
    auto firstByte = static_cast<std::uint8_t>(oldCode);
    out.push_back(firstByte);
    for (auto code = reader.Next(); code && *code != kLzwEndCode; code = reader.Next()) {
        if (dictionary.Defines(*code)) {
            firstByte = dictionary.Append(*code, out);
        } else if (dictionary.IsNextFree(*code)) {
            // Used in the step that defines it: the old string followed by its own first byte.
            dictionary.Append(oldCode, out);
            out.push_back(firstByte);
        } else {
            break;
        }
        dictionary.Define(oldCode, firstByte);
        oldCode = *code;
    }
    return out;
}

} // namespace tikaroo
