#include "sample_game.h"
#include "sample_layout.h"

#include "rom/nes_rom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace tikaroo::sample {
namespace {

// An inclusive range of CPU addresses of the original cartridge.
struct Range {
    std::uint32_t first;
    std::uint32_t last;
};

constexpr Range Operand(std::uint32_t instruction) {
    return {instruction + 1, instruction + 2};
}

// Everything that the conversion to the expanded layout moves, vacates, zeroes or patches.
const std::vector<Range>& ConversionTouched() {
    static const std::vector<Range> ranges = [] {
        std::vector<Range> r = {
            {0xCB99, 0xD953}, // moved into bank 1, stubs written over its start
            {0xB747, 0xB748}, {0xB81A, 0xB81C}, {0x8DC9, 0x8DCB}, {0xFFFA, 0xFFFF},
            {0xB754, 0xB754}, {0x8C5A, 0x8E64}, // moved into bank 2; hook block
            {0x901E, 0x91CD},                   // object types, moved into bank 2
            {0xF121, 0xF216},                   // objects list pointers, rebased
            {0xF217, 0xFFF1},                   // objects list data, moved into bank 2
            {0xBD75, 0xBDB1},                   // moved into bank 3
            {0xD9FA, 0xE23F},                   // level set rooms, moved into bank 3
            {0xBB95, 0xBB95}, {0xBBC5, 0xBBC5}, {0xB163, 0xB163}, {0xBA94, 0xBA94},
            {0xB815, 0xB815}, {0xB818, 0xB819}, {0xCCF0, 0xCCFF},
        };
        for (std::uint32_t instruction : {0xCA22u, 0xCA51u, 0xCA55u, 0xC9D4u, 0xC9DDu, 0xC8D8u}) {
            r.push_back(Operand(instruction));
        }
        for (std::uint32_t instruction :
             {0x8CA5u, 0x8CBAu, 0x8CCAu, 0x8CF7u, 0x8D00u, 0x8D1Du, 0x8D5Du, 0x8CF0u, 0x8D0Bu,
              0x8D62u, 0x8D22u, 0x8DBFu, 0x8DC2u, 0x8DEEu, 0x8D18u, 0x8D36u, 0x8272u, 0x8811u,
              0x8C00u, 0x932Bu, 0x9932u, 0x9A01u, 0x9A7Cu, 0x9B8Au, 0x9C4Au, 0x8222u, 0x8227u,
              0x8C50u, 0xBCABu, 0x8E08u, 0xBC49u, 0xBDCFu, 0xBEC8u, 0xBED8u, 0x8092u, 0x80C1u}) {
            r.push_back(Operand(instruction));
        }
        return r;
    }();
    return ranges;
}

// The tables that sit where the conversion moves the game's own data, so that it moves them along.
const std::vector<TablePlace> kMovedAlong = {kObjectTypes, kLevelSetRooms, kLevelObjectsTable,
                                             kBonusObjectsTable, kObjectsStreams};
constexpr Range kSaveTableArea = {0xCD00, 0xFFF0};

Range RangeOf(const WrittenRun& run) {
    return {run.address, run.address + static_cast<std::uint32_t>(run.size) - 1};
}
bool Overlap(Range a, Range b) {
    return a.first <= b.last && b.first <= a.last;
}

const SampleGame& Sample() {
    static const SampleGame game = MakeSampleGame();
    return game;
}

TEST(SampleLayout, NoRunTouchesWhatTheConversionChangesUnlessItIsMovedAlong) {
    for (const WrittenRun& run : Sample().runs) {
        const Range range = RangeOf(run);
        const auto moved = std::find_if(kMovedAlong.begin(), kMovedAlong.end(),
                                        [&](const TablePlace& place) { return place.name == run.what; });
        if (moved != kMovedAlong.end()) {
            EXPECT_GE(range.first, moved->address) << run.what;
            EXPECT_LT(range.last, moved->address + moved->capacity) << run.what;
            continue;
        }
        for (const Range touched : ConversionTouched()) {
            EXPECT_FALSE(Overlap(range, touched)) << run.what << " at " << std::hex << run.address;
        }
    }
}

TEST(SampleLayout, RunsNeverOverlapAndTablesStayInTheirPlaces) {
    const auto& runs = Sample().runs;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        for (std::size_t j = i + 1; j < runs.size(); ++j) {
            EXPECT_FALSE(Overlap(RangeOf(runs[i]), RangeOf(runs[j])))
                << runs[i].what << " / " << runs[j].what;
        }
    }
    std::set<std::string_view> placed;
    for (const TablePlace& place : kSampleTablePlaces) {
        const auto run =
            std::find_if(runs.begin(), runs.end(), [&](const WrittenRun& r) { return r.what == place.name; });
        ASSERT_NE(run, runs.end()) << place.name;
        EXPECT_EQ(run->address, place.address) << place.name;
        EXPECT_LE(run->size, place.capacity) << place.name;
        EXPECT_TRUE(placed.insert(place.name).second) << "two places named " << place.name;
    }
}

TEST(SampleLayout, PlacesDoNotOverlap) {
    for (std::size_t i = 0; i < kSampleTablePlaces.size(); ++i) {
        for (std::size_t j = i + 1; j < kSampleTablePlaces.size(); ++j) {
            const TablePlace& a = kSampleTablePlaces[i];
            const TablePlace& b = kSampleTablePlaces[j];
            EXPECT_FALSE(Overlap({a.address, a.address + static_cast<std::uint32_t>(a.capacity) - 1},
                                 {b.address, b.address + static_cast<std::uint32_t>(b.capacity) - 1}))
                << a.name << " / " << b.name;
        }
    }
}

TEST(SampleLayout, TablesTheSaveRewritesInPlaceLieOutsideItsTableArea) {
    for (const TablePlace& place :
         {kEggValues, kOtherPalettes, kObjectsTableLowBytes, kObjectsTableHighBytes}) {
        EXPECT_FALSE(Overlap({place.address, place.address + static_cast<std::uint32_t>(place.capacity) - 1},
                             kSaveTableArea))
            << place.name;
    }
    // The room pointers are rebased with bank 3 mapped and read with bank 0 mapped: fixed bank only.
    EXPECT_GE(kLevelSetRoomPointers.address, 0xC000);
}

TEST(SampleFile, IsAnOriginalLayoutImage) {
    const Bytes& file = Sample().file;
    ASSERT_EQ(file.size(), kHeaderSize + 2 * kPrgBankSize + 4 * kChrBankSize);
    CNesRom rom;
    rom.fileBytes = file;
    ASSERT_EQ(rom.ParseImage(), 1);
    EXPECT_EQ(rom.mapper, 3);
    EXPECT_EQ(rom.prgBanks.size(), 2u);
    EXPECT_EQ(rom.chrData.size(), 4 * kChrBankSize);
    EXPECT_TRUE(rom.VerticalMirroring());
    EXPECT_FALSE(rom.HasTrainer());
}

TEST(SampleFile, BackgroundTilesOfEveryBankAreDrawnInFourColours) {
    const Bytes& file = Sample().file;
    const std::size_t chr = kHeaderSize + 2 * kPrgBankSize;
    for (std::size_t bank = 0; bank < 4; ++bank) {
        std::set<std::uint8_t> colours;
        std::size_t drawnTiles = 0;
        for (std::size_t t = 256; t < 512; ++t) {
            const Tile tile = DecodeTile(file.data() + chr + bank * kChrBankSize + t * kPackedTileSize);
            colours.insert(tile.begin(), tile.end());
            drawnTiles += std::any_of(tile.begin(), tile.end(), [](std::uint8_t p) { return p != 0; });
        }
        EXPECT_EQ(colours.size(), 4u) << "bank " << bank;
        EXPECT_GT(drawnTiles, 30u) << "bank " << bank;
    }
}

} // namespace
} // namespace tikaroo::sample
