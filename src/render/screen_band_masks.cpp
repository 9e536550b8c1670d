#include "screen_band_masks.h"

#include <cmath>

namespace tikaroo {

namespace {

constexpr std::uint32_t kDarkening = 0xC8000000; // black, alpha 200
constexpr std::int32_t kUpperPartEnd = 336;
constexpr std::array<std::int32_t, 3> kEdgeRise = {0, -32, 32};

} // namespace

ScreenBandMasks MakeScreenBandMasks() {
    ScreenBandMasks masks;
    for (std::size_t kind = 0; kind < masks.size(); ++kind) {
        PictureBuffer& mask = masks[kind];
        mask.Resize(kBandMaskWidth, kBandMaskHeight);
        for (std::int32_t x = 0; x < kBandMaskWidth; ++x) {
            // The band's upper edge runs from (0, 336) to (128, 336 + d), sampled at pixel centres.
            const auto edge = static_cast<std::int32_t>(
                std::floor(kUpperPartEnd + kEdgeRise[kind] * (x + 0.5) / kBandMaskWidth + 0.5));
            mask.FillRect({x, 0, x + 1, edge}, kDarkening);
            mask.FillRect({x, edge + kScreenBandHeight, x + 1, kBandMaskHeight}, kDarkening);
        }
    }
    return masks;
}

const PictureBuffer& BandMaskOfScroll(const ScreenBandMasks& masks, std::uint8_t scroll) {
    return masks[scroll < masks.size() ? scroll : 0];
}

} // namespace tikaroo
