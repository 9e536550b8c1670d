// Makes BPS patches: greedy, at every position the cheapest of reading the source in place, copying
// from elsewhere in the source or the target written so far, or writing the byte itself.
#include "bps_format.h"
#include "bps_patch.h"
#include "patch_error.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace tikaroo {

namespace {

using namespace bps;

constexpr std::size_t kMinMatch = 4;
constexpr unsigned kHashBits = 16;
constexpr std::size_t kChainDepth = 32;
// A source read this long is taken without looking for a longer copy.
constexpr std::size_t kGoodEnoughRead = 64;
// A copy must save this many bytes over writing the bytes themselves.
constexpr std::int64_t kMinGain = 2;
constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

std::uint32_t Hash(const std::uint8_t* at) {
    const std::uint32_t word = at[0] | at[1] << 8 | at[2] << 16 | static_cast<std::uint32_t>(at[3]) << 24;
    return (word * 2654435761U) >> (32 - kHashBits);
}

std::size_t CommonLength(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    const std::size_t limit = std::min(a.size(), b.size());
    return static_cast<std::size_t>(
        std::mismatch(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(limit), b.begin()).first -
        a.begin());
}

struct Match {
    std::size_t from = 0;
    std::size_t length = 0;
};

// Positions of a byte sequence, chained by the hash of their first bytes, newest first.
class MatchIndex {
public:
    explicit MatchIndex(std::span<const std::uint8_t> indexed)
        : data(indexed), head(std::size_t{1} << kHashBits, kNone), previous(indexed.size(), kNone) {}

    void Insert(std::size_t at) {
        if (at + kMinMatch > data.size()) return;
        std::uint32_t& first = head[Hash(&data[at])];
        previous[at] = first;
        first = static_cast<std::uint32_t>(at);
    }

    // The longest match of `wanted` among the positions indexed so far; of equal ones the nearest to
    // `near`, whose cursor move is the shortest.
    Match Longest(std::span<const std::uint8_t> wanted, std::size_t near) const {
        Match best;
        if (wanted.size() < kMinMatch) return best;
        std::size_t depth = 0;
        for (std::uint32_t at = head[Hash(wanted.data())]; at != kNone && depth < kChainDepth;
             at = previous[at], ++depth) {
            const std::size_t length = CommonLength(data.subspan(at), wanted);
            if (length > best.length ||
                (length == best.length && Distance(at, near) < Distance(best.from, near)))
                best = {at, length};
            if (length == wanted.size()) break;
        }
        return best;
    }

private:
    static std::size_t Distance(std::size_t a, std::size_t b) { return a > b ? a - b : b - a; }

    std::span<const std::uint8_t> data;
    std::vector<std::uint32_t> head;
    std::vector<std::uint32_t> previous;
};

struct Step {
    Action action = kTargetRead;
    Match match;
};

class BpsEncoder {
public:
    BpsEncoder(std::span<const std::uint8_t> original, std::span<const std::uint8_t> edited, Bytes& patch)
        : source(original), target(edited), out(patch), sourceIndex(original), targetIndex(edited) {
        for (std::size_t at = 0; at < source.size(); ++at) sourceIndex.Insert(at);
    }

    void Encode() {
        while (output < target.size()) {
            const Step step = BestStep();
            if (step.match.length == 0) {
                targetIndex.Insert(output++);
                continue;
            }
            FlushLiteral();
            Put(step);
            for (const std::size_t end = output + step.match.length; output < end;)
                targetIndex.Insert(output++);
            literalFrom = output;
        }
        FlushLiteral();
    }

private:
    Step BestStep() const {
        const auto wanted = target.subspan(output);
        Step best;
        const auto consider = [&](Step step) {
            if (Gain(step) > Gain(best)) best = step;
        };
        if (output < source.size())
            consider({kSourceRead, {output, CommonLength(source.subspan(output), wanted)}});
        if (best.match.length < kGoodEnoughRead) {
            consider({kSourceCopy, sourceIndex.Longest(wanted, sourceCursor)});
            consider({kTargetCopy, targetIndex.Longest(wanted, targetCursor)});
        }
        return Gain(best) >= kMinGain ? best : Step{};
    }

    std::uint64_t Header(const Step& step) const {
        return (step.match.length - 1) << kActionBits | step.action;
    }

    std::uint64_t Move(const Step& step) const {
        const std::size_t cursor = step.action == kSourceCopy ? sourceCursor : targetCursor;
        return CursorMove(static_cast<std::int64_t>(step.match.from) - static_cast<std::int64_t>(cursor));
    }

    static bool IsCopy(const Step& step) { return step.action == kSourceCopy || step.action == kTargetCopy; }

    // Bytes saved over writing the matched bytes themselves.
    std::int64_t Gain(const Step& step) const {
        if (step.match.length == 0) return 0;
        const std::size_t cost = NumberSize(Header(step)) + (IsCopy(step) ? NumberSize(Move(step)) : 0);
        return static_cast<std::int64_t>(step.match.length) - static_cast<std::int64_t>(cost);
    }

    void Put(const Step& step) {
        PutNumber(out, Header(step));
        if (!IsCopy(step)) return;
        PutNumber(out, Move(step));
        std::size_t& cursor = step.action == kSourceCopy ? sourceCursor : targetCursor;
        cursor = step.match.from + step.match.length;
    }

    void FlushLiteral() {
        if (output == literalFrom) return;
        PutNumber(out, (output - literalFrom - 1) << kActionBits | kTargetRead);
        out.insert(out.end(), target.begin() + static_cast<std::ptrdiff_t>(literalFrom),
                   target.begin() + static_cast<std::ptrdiff_t>(output));
    }

    std::span<const std::uint8_t> source;
    std::span<const std::uint8_t> target;
    Bytes& out;
    MatchIndex sourceIndex;
    MatchIndex targetIndex;
    std::size_t output = 0;
    std::size_t literalFrom = 0;
    std::size_t sourceCursor = 0;
    std::size_t targetCursor = 0;
};

} // namespace

Bytes MakeBpsPatch(std::span<const std::uint8_t> original, std::span<const std::uint8_t> edited) {
    if (original.size() > kMaxBpsFileSize || edited.size() > kMaxBpsFileSize)
        throw PatchError(patch_errors::kTooLargeForBps);
    Bytes patch(kMagic.begin(), kMagic.end());
    PutNumber(patch, original.size());
    PutNumber(patch, edited.size());
    PutNumber(patch, 0); // no metadata
    BpsEncoder(original, edited, patch).Encode();
    PutCrc32(patch, Crc32(original));
    PutCrc32(patch, Crc32(edited));
    PutCrc32(patch, Crc32(patch));
    return patch;
}

} // namespace tikaroo
