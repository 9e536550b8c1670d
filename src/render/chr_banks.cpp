#include "chr_banks.h"

#include "rom/game_image.h"

#include <algorithm>

namespace tikaroo {

namespace {

constexpr std::uint8_t kBankLimit = 128;
constexpr std::uint8_t kDoubleBankLimit = 127;

} // namespace

ChrBankSet LevelBankSet(std::uint8_t graphicSetId) {
    const auto first = static_cast<std::uint8_t>(8 * (graphicSetId & 7));
    return {first,
            static_cast<std::uint8_t>(first + 2),
            static_cast<std::uint8_t>(first + 4),
            static_cast<std::uint8_t>(first + 5),
            static_cast<std::uint8_t>(first + 6),
            static_cast<std::uint8_t>(first + 7)};
}

bool SelectChrBanks(CGameImage& image, const ChrBankSet& banks) {
    if (std::any_of(banks.begin(), banks.end(), [](std::uint8_t bank) { return bank >= kBankLimit; }) ||
        banks[0] >= kDoubleBankLimit || banks[1] >= kDoubleBankLimit)
        return false;
    for (std::size_t pair = 0; pair < 2; ++pair) {
        image.chrSlots[2 * pair] = static_cast<std::uint8_t>(banks[pair] & 0xFE);
        image.chrSlots[2 * pair + 1] = static_cast<std::uint8_t>(banks[pair] | 0x01);
    }
    std::copy(banks.begin() + 2, banks.end(), image.chrSlots.begin() + 4);
    image.BuildPpuTileMap();
    return true;
}

} // namespace tikaroo
