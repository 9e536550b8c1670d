#include "sample_game.h"
#include "sample_layout.h"

#include "rom/nes_rom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tikaroo::sample {
namespace {

// Whether a run of `size` bytes at `address` and one of `otherSize` at `other` share a byte.
bool Overlap(std::uint32_t address, std::size_t size, std::uint32_t other, std::size_t otherSize) {
    return address < other + otherSize && other < address + size;
}

// A load of the sample checks its tables; these checks say which table a layout change broke.
TEST(SampleLayout, TablesStayInTheirOwnPlaces) {
    const SampleGame game = MakeSampleGame();
    const auto& runs = game.runs;
    for (std::size_t i = 0; i < runs.size(); ++i)
        for (std::size_t j = i + 1; j < runs.size(); ++j)
            EXPECT_FALSE(Overlap(runs[i].address, runs[i].size, runs[j].address, runs[j].size))
                << runs[i].what << " / " << runs[j].what;
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < kSampleTablePlaces.size(); ++i) {
        const TablePlace& place = kSampleTablePlaces[i];
        EXPECT_TRUE(names.insert(place.name).second) << "two places named " << place.name;
        const auto run =
            std::find_if(runs.begin(), runs.end(), [&](const WrittenRun& r) { return r.what == place.name; });
        ASSERT_NE(run, runs.end()) << place.name;
        EXPECT_EQ(run->address, place.address) << place.name;
        EXPECT_LE(run->size, place.capacity) << place.name;
        for (std::size_t j = i + 1; j < kSampleTablePlaces.size(); ++j) {
            const TablePlace& other = kSampleTablePlaces[j];
            EXPECT_FALSE(Overlap(place.address, place.capacity, other.address, other.capacity))
                << place.name << " / " << other.name;
        }
    }
}

TEST(SampleFile, IsAnOriginalLayoutImageWithFourColourBackgroundTilesInEveryBank) {
    CNesRom rom;
    rom.fileBytes = MakeSampleGame().file;
    ASSERT_EQ(rom.ParseImage(), 1);
    EXPECT_EQ(rom.mapper, 3);
    EXPECT_EQ(rom.prgBanks.size(), 2u);
    ASSERT_EQ(rom.chrData.size(), 4 * kChrBankSize);
    EXPECT_TRUE(rom.VerticalMirroring());
    for (std::size_t bank = 0; bank < 4; ++bank) {
        std::set<std::uint8_t> colours;
        std::size_t drawnTiles = 0;
        for (std::size_t t = 256; t < 512; ++t) {
            const Tile tile = DecodeTile(&rom.chrData[bank * kChrBankSize + t * kPackedTileSize]);
            colours.insert(tile.begin(), tile.end());
            drawnTiles += std::any_of(tile.begin(), tile.end(), [](std::uint8_t p) { return p != 0; });
        }
        EXPECT_EQ(colours.size(), 4u) << "bank " << bank;
        EXPECT_GT(drawnTiles, 30u) << "bank " << bank;
    }
}

} // namespace
} // namespace tikaroo::sample
