// Feeds arbitrary bytes through the IPS and BPS patches. The first byte picks the use of the rest:
// 0 applies it as an IPS patch and 1 as a BPS patch (its checksums of the original and of itself put
// right, so that its actions run) to a fixed original; 2 cuts it into an original and an edited file and
// makes both kinds of patch, which applied back must give the edited file. Every refusal must be a
// PatchError.
#include "rom/bps_format.h"
#include "rom/bps_patch.h"
#include "rom/ips_patch.h"
#include "rom/patch_error.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace {

using namespace tikaroo;

const Bytes& FixedOriginal() {
    static const Bytes original = [] {
        Bytes bytes(64);
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
        return bytes;
    }();
    return original;
}

Bytes BpsWithChecksums(std::span<const std::uint8_t> body) {
    Bytes patch(bps::kMagic.begin(), bps::kMagic.end());
    patch.insert(patch.end(), body.begin(), body.end());
    bps::PutCrc32(patch, bps::Crc32(FixedOriginal()));
    bps::PutCrc32(patch, 0);
    bps::PutCrc32(patch, bps::Crc32(patch));
    return patch;
}

void ExpectRoundTrip(std::span<const std::uint8_t> original, std::span<const std::uint8_t> edited) {
    const Bytes wanted(edited.begin(), edited.end());
    if (ApplyIpsPatch(original, MakeIpsPatch(original, edited)) != wanted ||
        ApplyBpsPatch(original, MakeBpsPatch(original, edited)) != wanted) {
        std::fprintf(stderr, "patch fuzzer: a patch applied back does not give the edited file\n");
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    try {
        switch (data[0] % 3) {
        case 0:
            ApplyIpsPatch(FixedOriginal(), rest);
            break;
        case 1:
            ApplyBpsPatch(FixedOriginal(), BpsWithChecksums(rest));
            break;
        default: {
            const std::size_t cut = rest[0] % rest.size();
            ExpectRoundTrip(rest.subspan(1, cut), rest.subspan(1 + cut));
        }
        }
    } catch (const PatchError&) {
    }
    return 0;
}
