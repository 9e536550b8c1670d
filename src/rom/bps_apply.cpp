#include "bps_format.h"
#include "bps_patch.h"
#include "patch_reader.h"

#include <algorithm>

namespace tikaroo {

namespace {

using namespace bps;

// Eight bytes carry 56 bits, far beyond any size a patch may name; a longer number is damage.
constexpr int kMaxNumberBytes = 8;

std::uint64_t ReadNumber(PatchReader& reader) {
    std::uint64_t value = 0;
    std::uint64_t shift = 1;
    for (int byte = 0; byte < kMaxNumberBytes; ++byte) {
        const std::uint8_t x = reader.Take(1)[0];
        value += (x & 0x7FU) * shift;
        if ((x & 0x80) != 0) return value;
        shift <<= 7;
        value += shift;
    }
    reader.Corrupt();
}

std::uint32_t LittleEndian32(std::span<const std::uint8_t> bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// Runs the actions, checking every length and cursor against what exists.
class BpsApplier {
public:
    BpsApplier(std::span<const std::uint8_t> original, PatchReader& actions, std::size_t targetSize)
        : source(original), reader(actions), target(targetSize, 0) {}

    Bytes Run() {
        while (reader.Left() > 0) Step();
        if (output != target.size()) reader.Corrupt();
        return std::move(target);
    }

private:
    void Step() {
        const std::uint64_t number = ReadNumber(reader);
        const std::uint64_t length = (number >> kActionBits) + 1;
        if (length > target.size() - output) reader.Corrupt();
        const auto count = static_cast<std::size_t>(length);
        switch (static_cast<Action>(number & 3)) {
        case kSourceRead:
            if (output + count > source.size()) reader.Corrupt();
            CopySource(output, count);
            break;
        case kTargetRead: {
            const auto bytes = reader.Take(count);
            std::copy(bytes.begin(), bytes.end(), target.begin() + static_cast<std::ptrdiff_t>(output));
            output += count;
            break;
        }
        case kSourceCopy:
            Move(sourceCursor);
            if (sourceCursor > source.size() || count > source.size() - sourceCursor) reader.Corrupt();
            CopySource(sourceCursor, count);
            sourceCursor += count;
            break;
        case kTargetCopy:
            Move(targetCursor);
            if (targetCursor >= output) reader.Corrupt();
            // One by one: the copy may overlap what it writes, repeating a pattern.
            for (std::size_t i = 0; i < count; ++i) target[output++] = target[targetCursor++];
            break;
        }
    }

    void Move(std::size_t& cursor) {
        const std::uint64_t move = ReadNumber(reader);
        const std::uint64_t distance = move >> 1;
        if ((move & 1) != 0 ? distance > cursor : distance > kMaxBpsFileSize) reader.Corrupt();
        cursor = (move & 1) != 0 ? cursor - distance : cursor + distance;
    }

    void CopySource(std::size_t from, std::size_t count) {
        std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(from), count,
                    target.begin() + static_cast<std::ptrdiff_t>(output));
        output += count;
    }

    std::span<const std::uint8_t> source;
    PatchReader& reader;
    Bytes target;
    std::size_t output = 0;
    std::size_t sourceCursor = 0;
    std::size_t targetCursor = 0;
};

} // namespace

Bytes ApplyBpsPatch(std::span<const std::uint8_t> original, std::span<const std::uint8_t> patch) {
    if (!StartsWith(patch, kMagic) || patch.size() < kMagic.size() + kFooterSize)
        throw PatchError(patch_errors::kNotBps);
    const auto footer = patch.last(kFooterSize);
    // The patch's own checksum first, so that damage is not mistaken for another original.
    if (Crc32(patch.first(patch.size() - 4)) != LittleEndian32(footer.subspan(8)))
        throw PatchError(patch_errors::kBpsCorrupt);
    PatchReader reader(patch.subspan(kMagic.size(), patch.size() - kMagic.size() - kFooterSize),
                       patch_errors::kBpsCorrupt);
    const std::uint64_t sourceSize = ReadNumber(reader);
    const std::uint64_t targetSize = ReadNumber(reader);
    const std::uint64_t metadataSize = ReadNumber(reader);
    if (sourceSize != original.size() || Crc32(original) != LittleEndian32(footer))
        throw PatchError(patch_errors::kOtherSource);
    if (targetSize > kMaxBpsFileSize) throw PatchError(patch_errors::kTooLargeForBps);
    if (metadataSize > reader.Left()) reader.Corrupt();
    reader.Take(static_cast<std::size_t>(metadataSize));
    Bytes target = BpsApplier(original, reader, static_cast<std::size_t>(targetSize)).Run();
    if (Crc32(target) != LittleEndian32(footer.subspan(4))) throw PatchError(patch_errors::kTargetChecksum);
    return target;
}

} // namespace tikaroo
