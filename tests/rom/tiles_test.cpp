#include "rom/game_image.h"
#include "rom/rom_error.h"
#include "rom/tile.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>

namespace tikaroo {
namespace {

Tile DecodeBytes(const std::array<std::uint8_t, 16>& packed) {
    return DecodeTile(packed.data());
}

TEST(TileCodec, DecodesPlanesAndBitOrder) {
    std::array<std::uint8_t, 16> planes{};
    std::fill_n(planes.begin(), 8, 0xFF);
    const Tile ones = DecodeBytes(planes);
    EXPECT_TRUE(std::all_of(ones.begin(), ones.end(), [](auto v) { return v == 1; }));

    // Plane 1 alone gives 2; both planes give 3.
    std::array<std::uint8_t, 16> high{};
    std::fill(high.begin() + 8, high.end(), 0xFF);
    const Tile twos = DecodeBytes(high);
    EXPECT_TRUE(std::all_of(twos.begin(), twos.end(), [](auto v) { return v == 2; }));
    std::array<std::uint8_t, 16> both{};
    both.fill(0xFF);
    const Tile threes = DecodeBytes(both);
    EXPECT_TRUE(std::all_of(threes.begin(), threes.end(), [](auto v) { return v == 3; }));

    std::array<std::uint8_t, 16> corner{};
    corner[0] = 0x80;
    corner[8] = 0x01;
    const Tile tile = DecodeBytes(corner);
    EXPECT_EQ(tile[0], 1);
    EXPECT_EQ(tile[7], 2);
    EXPECT_EQ(std::accumulate(tile.begin(), tile.end(), 0), 3);
}

TEST(TileCodec, EncodeInvertsDecodeForManyPatterns) {
    std::array<std::uint8_t, 16> packed{};
    for (unsigned seed = 0; seed < 500; ++seed) {
        for (std::size_t i = 0; i < packed.size(); ++i)
            packed[i] = static_cast<std::uint8_t>((seed * 2654435761U >> (i % 24)) ^ (i * 37));
        std::array<std::uint8_t, 16> again{};
        EncodeTile(DecodeBytes(packed), again.data());
        ASSERT_EQ(again, packed) << seed;
    }
    Tile high{};
    high.fill(0xFE); // only the two low bits count
    std::array<std::uint8_t, 16> out{};
    EncodeTile(high, out.data());
    EXPECT_EQ(out[0], 0x00);
    EXPECT_EQ(out[8], 0xFF);
}

TEST(BankTiles, LoadAndStoreBounds) {
    CNesRom rom;
    rom.chrData.assign(4 * kChrBankSize, 0);
    rom.chrData[3 * kChrBankSize] = 0x80;
    for (std::size_t bank = 0; bank < 4; ++bank) EXPECT_NO_THROW(rom.LoadBankTiles(bank * kChrBankSize));
    EXPECT_EQ(rom.bankTiles.size(), 512U);
    EXPECT_EQ(rom.bankTiles[0][0], 1);
    try {
        rom.LoadBankTiles(4 * kChrBankSize);
        FAIL();
    } catch (const RomError& error) {
        EXPECT_STREQ(error.what(), "out of CHR bank while loading tiles");
    }
    EXPECT_TRUE(rom.bankTiles.empty());

    rom.LoadBankTiles(0);
    rom.bankTiles[1][0] = 3;
    rom.StoreBankTiles(kChrBankSize);
    EXPECT_EQ(rom.chrData[kChrBankSize + 16], 0x80);
    EXPECT_EQ(rom.chrData[kChrBankSize + 24], 0x80);
    EXPECT_THROW(rom.StoreBankTiles(4 * kChrBankSize), RomError);

    rom.bankTiles.pop_back();
    const Bytes before = rom.chrData;
    try {
        rom.StoreBankTiles(0);
        FAIL();
    } catch (const RomError& error) {
        EXPECT_STREQ(error.what(), "too many tiles requested to store");
    }
    EXPECT_EQ(rom.chrData, before);
}

TEST(AllTiles, DecodeAndEncodeTheWholeChrData) {
    CGameImage image;
    image.chrData.resize(2 * kChrBankSize);
    for (std::size_t i = 0; i < image.chrData.size(); ++i)
        image.chrData[i] = static_cast<std::uint8_t>(i * 11);
    const Bytes original = image.chrData;
    image.DecodeAllTiles();
    ASSERT_EQ(image.allTiles.size(), 1024U);
    image.allTiles[1023].fill(0);
    image.EncodeAllTiles();
    EXPECT_TRUE(std::equal(original.begin(), original.end() - 16, image.chrData.begin()));
    EXPECT_TRUE(std::all_of(image.chrData.end() - 16, image.chrData.end(), [](auto b) { return b == 0; }));
}

TEST(PpuTileMap, RegionsFollowTheSlots) {
    CGameImage image;
    image.BuildPpuTileMap();
    EXPECT_EQ(image.ppuTileMap[0], 0);
    EXPECT_EQ(image.ppuTileMap[128], 0);
    EXPECT_EQ(image.ppuTileMap[256], 0);
    EXPECT_EQ(image.ppuTileMap[511], 63);

    image.chrSlots = {2, 3, 4, 5, 8, 9, 10, 11};
    image.BuildPpuTileMap();
    EXPECT_EQ(image.ppuTileMap[0], 128);
    EXPECT_EQ(image.ppuTileMap[127], 255);
    EXPECT_EQ(image.ppuTileMap[128], 256);
    EXPECT_EQ(image.ppuTileMap[256], 512);
    EXPECT_EQ(image.ppuTileMap[320], 576);
    EXPECT_EQ(image.ppuTileMap[448], 704);
    EXPECT_EQ(image.ppuTileMap[511], 767);

    image.chrSlots = {0, 99, 6, 99, 0, 0, 0, 0}; // slots 1 and 3 are never read
    image.BuildPpuTileMap();
    EXPECT_EQ(image.ppuTileMap[127], 127);
    EXPECT_EQ(image.ppuTileMap[128], 384);
}

} // namespace
} // namespace tikaroo
