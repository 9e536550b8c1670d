// Reads the fixed-place tables: level geometry, game settings and the bonus area.
#include "fixed_locations.h"
#include "table_readers.h"

#include <algorithm>

namespace tikaroo {

namespace {

constexpr std::uint8_t kRoomsPerBeginFrom = 16;
constexpr std::uint8_t kRoundsPerArea = 4;

template <layout::FixedBytes source, std::size_t N>
void CopyFixedBytes(const CGameImage& image, std::array<std::uint8_t, N>& target) {
    static_assert(source.size == N);
    Bytes bytes;
    image.ReadBlock(source.address, N, bytes);
    std::copy(bytes.begin(), bytes.end(), target.begin());
}

std::uint32_t Flag(bool on) {
    return on ? 1 : 0;
}

} // namespace

void ReadLevelGeometry(CGameImage& image, GameTables& tables) {
    image.MapBank(layout::kTablesBank);
    LevelGeometryTables& geometry = tables.geometry;
    CopyFixedBytes<layout::kBgStepTable>(image, geometry.bgStepTable);
    CopyFixedBytes<layout::kBgMaskTable>(image, geometry.bgMaskTable);
    CopyFixedBytes<layout::kFloorShiftTable>(image, geometry.floorShiftTable);
    CopyFixedBytes<layout::kGapStartTable>(image, geometry.gapStartTable);
    CopyFixedBytes<layout::kGapEndTable>(image, geometry.gapEndTable);
}

void ReadGameSettings(CGameImage& image, GameTables& tables) {
    image.MapBank(layout::kTablesBank);
    GameSettings& settings = tables.gameSettings;
    settings.speed = image.Read8(layout::kSpeed);
    settings.extraSpeed = image.Read8(layout::kExtraSpeed);
    settings.sbSpeed = image.Read8(layout::kSbSpeed);
    settings.extraSbSpeed = image.Read8(layout::kExtraSbSpeed);
    // The game adds the jump speeds as negative numbers.
    settings.jump = static_cast<std::uint8_t>(-image.Read8(layout::kJump));
    settings.extraJump = static_cast<std::uint8_t>(-image.Read8(layout::kExtraJump));
    settings.safeMode = Flag(image.Read8(layout::kSafeMode) != 0);
    settings.holes = Flag(image.Read8(layout::kHoles) == layout::kHolesOn);
    settings.grabSkateboards = Flag(image.Read8(layout::kGrabSkateboards) != 0);
    settings.beginArea = image.Read8(layout::kBeginArea);
    settings.beginRound = image.Read8(layout::kBeginRound);
    settings.beginFrom = image.Read8(layout::kBeginFrom);
    settings.weapon = image.Read8(layout::kWeapon);
    settings.dropsCount = image.Read8(layout::kDropsCount);
    settings.lives = image.Read8(layout::kLives);
}

void ReadBonusArea(CGameImage& image, GameTables& tables) {
    image.MapBank(layout::kTablesBank);
    BonusArea& bonus = tables.bonusArea;
    bonus.area = static_cast<std::uint8_t>(kRoundsPerArea * image.Read8(layout::kBonusAreaNumber) +
                                           image.Read8(layout::kBonusRoundNumber));
    bonus.beginFrom = image.Read8(layout::kBonusBeginFrom);
    bonus.length =
        static_cast<std::uint8_t>(image.Read8(layout::kBonusEnd) - kRoomsPerBeginFrom * bonus.beginFrom);
}

} // namespace tikaroo
