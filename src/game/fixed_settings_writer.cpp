#include "fixed_settings_writer.h"

#include "fixed_locations.h"

#include <algorithm>
#include <array>

namespace tikaroo {

namespace {

struct FixedByte {
    CpuPtr address;
    std::uint8_t value;
};

std::uint8_t Flag(std::uint32_t flag) {
    return flag != 0 ? 1 : 0;
}

std::uint8_t Negated(std::uint8_t value) {
    return static_cast<std::uint8_t>(-value);
}

std::uint8_t LimitedSpeed(std::uint8_t speed) {
    return std::min(speed, kMaxSpeed);
}

} // namespace

void WriteFixedSettings(CGameImage& image, const GameSettings& settings, const BonusArea& bonusArea) {
    using namespace layout;
    const auto bytes = std::to_array<FixedByte>({
        {kJump, Negated(settings.jump)},
        {kExtraJump, Negated(settings.extraJump)},
        {kSpeed, LimitedSpeed(settings.speed)},
        {kExtraSpeed, LimitedSpeed(settings.extraSpeed)},
        {kSbSpeed, LimitedSpeed(settings.sbSpeed)},
        {kExtraSbSpeed, LimitedSpeed(settings.extraSbSpeed)},
        {kHoles, settings.holes != 0 ? kHolesOn : kHolesOff},
        {kSafeMode, Flag(settings.safeMode)},
        {kLives, settings.lives},
        {kGrabSkateboards, Flag(settings.grabSkateboards)},
        {kBeginArea, settings.beginArea},
        {kBeginRound, settings.beginRound},
        {kBeginFrom, settings.beginFrom},
        {kWeapon, settings.weapon},
        {kDropsCount, settings.dropsCount},
        {kBonusAreaNumber, static_cast<std::uint8_t>(bonusArea.area >> 2)},
        {kBonusRoundNumber, static_cast<std::uint8_t>(bonusArea.area & 3)},
        {kBonusBeginFrom, bonusArea.beginFrom},
        {kBonusEnd, static_cast<std::uint8_t>(16 * bonusArea.beginFrom + bonusArea.length)},
    });
    for (const FixedByte& fixed : bytes) image.Write8(fixed.address, fixed.value);
}

} // namespace tikaroo
