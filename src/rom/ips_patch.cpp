#include "ips_patch.h"

#include "patch_reader.h"

#include <algorithm>
#include <string_view>

namespace tikaroo {

namespace {

constexpr std::string_view kEndMark = "EOF";
// The offset whose three bytes read as the end mark: no record may start there.
constexpr std::size_t kEndMarkOffset = 0x454F46;
constexpr std::size_t kOffsetBytes = 3;
constexpr std::size_t kSizeBytes = 2;
constexpr std::size_t kMaxRecordSize = 0xFFFF;
constexpr std::size_t kRecordHeaderSize = kOffsetBytes + kSizeBytes;
constexpr std::size_t kRunRecordSize = kRecordHeaderSize + kSizeBytes + 1;
// Unchanged bytes between two changes are written again when that is cheaper than a new record.
constexpr std::size_t kMaxBridgedGap = kRecordHeaderSize - 1;

void PutBigEndian(Bytes& out, std::size_t value, std::size_t count) {
    for (std::size_t byte = count; byte-- > 0;) out.push_back(static_cast<std::uint8_t>(value >> (8 * byte)));
}

class IpsWriter {
public:
    explicit IpsWriter(std::span<const std::uint8_t> editedFile) : edited(editedFile) {
        out.assign(kIpsMagic.begin(), kIpsMagic.end());
    }

    // Records that copy edited[begin, end).
    void Literal(std::size_t begin, std::size_t end) {
        while (begin < end) {
            const std::size_t start = begin == kEndMarkOffset ? begin - 1 : begin;
            const std::size_t size = std::min(end - start, kMaxRecordSize);
            PutHeader(start, size);
            out.insert(out.end(), edited.begin() + static_cast<std::ptrdiff_t>(start),
                       edited.begin() + static_cast<std::ptrdiff_t>(start + size));
            begin = start + size;
        }
    }

    // Records that repeat edited[begin] over [begin, end).
    void Run(std::size_t begin, std::size_t end) {
        while (begin < end) {
            if (begin == kEndMarkOffset) {
                Literal(begin, begin + 1);
                ++begin;
                continue;
            }
            const std::size_t count = std::min(end - begin, kMaxRecordSize);
            PutHeader(begin, 0);
            PutBigEndian(out, count, kSizeBytes);
            out.push_back(edited[begin]);
            begin += count;
        }
    }

    Bytes Finish(std::size_t originalSize) {
        out.insert(out.end(), kEndMark.begin(), kEndMark.end());
        if (edited.size() < originalSize) PutBigEndian(out, edited.size(), kOffsetBytes);
        return std::move(out);
    }

private:
    void PutHeader(std::size_t offset, std::size_t size) {
        PutBigEndian(out, offset, kOffsetBytes);
        PutBigEndian(out, size, kSizeBytes);
    }

    std::span<const std::uint8_t> edited;
    Bytes out;
};

// A run record pays when it saves more than the headers it adds around it.
bool RunPays(std::size_t length, bool literalBefore, bool literalAfter) {
    const std::size_t split =
        (literalBefore ? kRecordHeaderSize : 0) + (literalAfter ? kRecordHeaderSize : 0);
    return kRunRecordSize + split < kRecordHeaderSize + length;
}

// One change: runs of a repeated byte that pay become run records, the rest literal records.
void WriteChange(IpsWriter& writer, std::span<const std::uint8_t> edited, std::size_t begin,
                 std::size_t end) {
    std::size_t literalFrom = begin;
    for (std::size_t at = begin; at < end;) {
        std::size_t runEnd = at + 1;
        while (runEnd < end && edited[runEnd] == edited[at]) ++runEnd;
        if (RunPays(runEnd - at, literalFrom < at, runEnd < end)) {
            writer.Literal(literalFrom, at);
            writer.Run(at, runEnd);
            literalFrom = runEnd;
        }
        at = runEnd;
    }
    writer.Literal(literalFrom, end);
}

void Place(Bytes& target, std::size_t offset, std::size_t size) {
    if (target.size() < offset + size) target.resize(offset + size);
}

} // namespace

Bytes MakeIpsPatch(std::span<const std::uint8_t> original, std::span<const std::uint8_t> edited) {
    if (original.size() >= kIpsOffsetLimit || edited.size() >= kIpsOffsetLimit)
        throw PatchError(patch_errors::kTooLargeForIps);
    const auto differs = [&](std::size_t at) { return at >= original.size() || original[at] != edited[at]; };
    IpsWriter writer(edited);
    for (std::size_t at = 0; at < edited.size();) {
        if (!differs(at)) {
            ++at;
            continue;
        }
        std::size_t end = at + 1;
        for (std::size_t next = end, same = 0; next < edited.size() && same <= kMaxBridgedGap; ++next) {
            if (differs(next)) {
                end = next + 1;
                same = 0;
            } else {
                ++same;
            }
        }
        WriteChange(writer, edited, at, end);
        at = end;
    }
    return writer.Finish(original.size());
}

Bytes ApplyIpsPatch(std::span<const std::uint8_t> original, std::span<const std::uint8_t> patch) {
    if (!StartsWith(patch, kIpsMagic)) throw PatchError(patch_errors::kNotIps);
    PatchReader reader(patch.subspan(kIpsMagic.size()), patch_errors::kIpsCorrupt);
    Bytes target(original.begin(), original.end());
    for (;;) {
        const std::size_t offset = reader.BigEndian(kOffsetBytes);
        if (offset == kEndMarkOffset) break;
        const std::size_t size = reader.BigEndian(kSizeBytes);
        if (size != 0) {
            const auto data = reader.Take(size);
            Place(target, offset, size);
            std::copy(data.begin(), data.end(), target.begin() + static_cast<std::ptrdiff_t>(offset));
            continue;
        }
        const std::size_t count = reader.BigEndian(kSizeBytes);
        if (count == 0) reader.Corrupt();
        const auto byte = static_cast<std::uint8_t>(reader.BigEndian(1));
        Place(target, offset, count);
        std::fill_n(target.begin() + static_cast<std::ptrdiff_t>(offset), count, byte);
    }
    if (reader.Left() == kOffsetBytes) {
        target.resize(reader.BigEndian(kOffsetBytes));
    } else if (reader.Left() != 0) {
        reader.Corrupt();
    }
    return target;
}

} // namespace tikaroo
