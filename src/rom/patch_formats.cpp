#include "patch_formats.h"

#include "bps_format.h"
#include "bps_patch.h"
#include "ips_patch.h"
#include "patch_reader.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tikaroo {

namespace {

constexpr std::array kFormats = {
    PatchFormat{"IPS", ".ips", kIpsMagic, MakeIpsPatch, ApplyIpsPatch},
    PatchFormat{"BPS", ".bps", bps::kMagic, MakeBpsPatch, ApplyBpsPatch},
};

bool EndsWithIgnoringCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(b)) == a; });
}

} // namespace

const PatchFormat* PatchFormatForName(std::string_view path) {
    const auto format = std::find_if(kFormats.begin(), kFormats.end(), [path](const PatchFormat& candidate) {
        return EndsWithIgnoringCase(path, candidate.extension);
    });
    return format == kFormats.end() ? nullptr : &*format;
}

const PatchFormat* PatchFormatOf(std::span<const std::uint8_t> patch) {
    const auto format = std::find_if(kFormats.begin(), kFormats.end(), [patch](const PatchFormat& candidate) {
        return StartsWith(patch, candidate.magic);
    });
    return format == kFormats.end() ? nullptr : &*format;
}

} // namespace tikaroo
