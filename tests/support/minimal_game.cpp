#include "support/minimal_game.h"

#include "game/fixed_locations.h"
#include "game/model.h"
#include "game/table_encoding.h"
#include "support/expanded_image.h"

namespace tikaroo::test {

namespace {
constexpr int kBank0 = layout::kTablesBank;
constexpr std::uint8_t kNoUpdaterPalettes = 0x0F;

std::uint8_t Low(CpuPtr address) {
    return static_cast<std::uint8_t>(address);
}
std::uint8_t High(CpuPtr address) {
    return static_cast<std::uint8_t>(address >> 8);
}

CpuPtr MinimalLevelSetRooms(std::size_t id) {
    return static_cast<CpuPtr>(minimal::kLevelSetRooms + id * kRoomsPerLevelSet * encoding::kLevelRoomSize);
}
} // namespace

void WriteMinimalGame(CGameImage& image) {
    using namespace minimal;
    PokeWord(image, kBank0, layout::kLevelSetIdsPtr, kLevelSetIds);
    PokeWord(image, kBank0, layout::kEggValuesPtr, kEggValues);
    PokeWord(image, kBank0, layout::kLevelPalettesPtr, kLevelPalettes);
    Poke(image, kBank0, kLevelPalettes, Bytes(kPlayableLevelCount, kNoUpdaterPalettes));

    PokeWord(image, kBank0, layout::kLevelSetRoomsPtr, kRoomPointers);
    PokeWord(image, kBank0, layout::kLevelSetTopsPtr, kTopsPointers);
    PokeWord(image, kBank0, layout::kLevelSetAttributesPtr, kAttributes);
    PokeWord(image, kBank0, layout::kLevelSetMusicPtr, kMusic);
    for (std::size_t id = 0; id < kSetIds; ++id) {
        PokeWord(image, kBank0, static_cast<CpuPtr>(kRoomPointers + 2 * id), MinimalLevelSetRooms(id));
        PokeWord(image, kBank0, static_cast<CpuPtr>(kTopsPointers + 2 * id),
                 static_cast<CpuPtr>(kTops + 4 * id));
    }

    PokeWord(image, kBank0, layout::kGraphicSetDescriptorsPtr, kGraphicSetDescriptors);
    for (std::size_t word = 0; word < 8 * encoding::kGraphicSetTableCount; ++word)
        PokeWord(image, kBank0, static_cast<CpuPtr>(kGraphicSetDescriptors + 2 * word), kGraphicSetTables);

    PokeWord(image, kBank0, layout::kOtherPalettesPtr, kOtherPalettes);
    PokeWord(image, kBank0, layout::kPaletteSetsPtr, kPaletteSets);
    PokeWord(image, kBank0, layout::kPaletteUpdaterLowPtr, kUpdaterLowBytes);
    PokeWord(image, kBank0, layout::kPaletteUpdaterHighPtr, kUpdaterHighBytes);
    Poke(image, kBank0, kUpdaterLowBytes, Bytes(16, Low(kUpdaters)));
    Poke(image, kBank0, kUpdaterHighBytes, Bytes(16, High(kUpdaters)));
    Poke(image, kBank0, kUpdaters, {encoding::kUpdaterEnd});

    PokeWord(image, kBank0, layout::kObjectsTableLowPtr, kObjectsLowBytes);
    PokeWord(image, kBank0, layout::kObjectsTableHighPtr, kObjectsHighBytes);
    Poke(image, kBank0, kObjectsLowBytes, {Low(kLevelObjects), Low(kBonusObjects)});
    Poke(image, kBank0, kObjectsHighBytes, {High(kLevelObjects), High(kBonusObjects)});
}

} // namespace tikaroo::test
