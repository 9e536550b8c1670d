#include "rom/game_image.h"
#include "rom/rom_error.h"
#include "rom/tile.h"
#include "support/error_text.h"

#include <gtest/gtest.h>

#include <array>

namespace tikaroo {
namespace {

TEST(TileCodec, PlaneZeroIsTheLowBitAndBitSevenTheLeftPixel) {
    std::array<std::uint8_t, 16> corner{};
    corner[0] = 0x80;
    corner[8] = 0x01;
    corner[15] = 0x01;
    Tile expected{};
    expected[0] = 1;
    expected[7] = 2;
    expected[63] = 2;
    EXPECT_EQ(DecodeTile(corner.data()), expected);

    std::array<std::uint8_t, 16> packed{};
    for (unsigned seed = 0; seed < 500; ++seed) {
        for (std::size_t i = 0; i < packed.size(); ++i)
            packed[i] = static_cast<std::uint8_t>((seed * 2654435761U >> (i % 24)) ^ (i * 37));
        std::array<std::uint8_t, 16> again{};
        EncodeTile(DecodeTile(packed.data()), again.data());
        ASSERT_EQ(again, packed) << seed;
    }
    Tile high{};
    high.fill(0xFE); // only the two low bits count
    std::array<std::uint8_t, 16> out{};
    EncodeTile(high, out.data());
    EXPECT_EQ(out[0], 0x00);
    EXPECT_EQ(out[8], 0xFF);
}

TEST(BankTiles, LoadAndStoreStayInsideTheChrData) {
    CNesRom rom;
    rom.chrData.assign(4 * kChrBankSize, 0);
    rom.chrData[3 * kChrBankSize] = 0x80;
    EXPECT_EQ(test::ErrorText<RomError>([&] { rom.LoadBankTiles(3 * kChrBankSize); }), "");
    EXPECT_EQ(rom.bankTiles.size(), 512U);
    EXPECT_EQ(rom.bankTiles[0][0], 1);
    EXPECT_EQ(test::ErrorText<RomError>([&] { rom.LoadBankTiles(4 * kChrBankSize); }),
              "out of CHR bank while loading tiles");
    EXPECT_TRUE(rom.bankTiles.empty());

    rom.LoadBankTiles(0);
    rom.bankTiles[1][0] = 3;
    rom.StoreBankTiles(kChrBankSize);
    EXPECT_EQ(rom.chrData[kChrBankSize + 16], 0x80);
    EXPECT_EQ(rom.chrData[kChrBankSize + 24], 0x80);
    EXPECT_THROW(rom.StoreBankTiles(3 * kChrBankSize + 1), RomError);

    rom.bankTiles.pop_back();
    const Bytes before = rom.chrData;
    EXPECT_EQ(test::ErrorText<RomError>([&] { rom.StoreBankTiles(0); }), "too many tiles requested to store");
    EXPECT_EQ(rom.chrData, before);
}

TEST(AllTiles, DecodeAndEncodeTheWholeChrData) {
    CGameImage image;
    image.chrData.resize(2 * kChrBankSize);
    for (std::size_t i = 0; i < image.chrData.size(); ++i)
        image.chrData[i] = static_cast<std::uint8_t>(i * 11);
    Bytes expected = image.chrData;
    std::fill(expected.end() - 16, expected.end(), 0);
    image.DecodeAllTiles();
    ASSERT_EQ(image.allTiles.size(), 1024U);
    image.allTiles[1023].fill(0);
    image.EncodeAllTiles();
    EXPECT_EQ(image.chrData, expected);
}

TEST(PpuTileMap, RegionsFollowTheSlots) {
    const struct {
        std::array<std::uint8_t, 8> slots;
        std::vector<std::pair<std::size_t, std::uint16_t>> tiles; // PPU tile, tile of the CHR data
    } cases[] = {
        {{}, {{0, 0}, {128, 0}, {256, 0}, {511, 63}}},
        {{2, 3, 4, 5, 8, 9, 10, 11}, {{0, 128}, {127, 255}, {128, 256}, {256, 512}, {320, 576}, {448, 704}}},
        {{0, 99, 6, 99, 0, 0, 0, 0}, {{127, 127}, {128, 384}}}, // slots 1 and 3 are never read
    };
    for (const auto& c : cases) {
        CGameImage image;
        image.chrSlots = c.slots;
        image.BuildPpuTileMap();
        for (const auto& [ppuTile, tile] : c.tiles)
            EXPECT_EQ(image.ppuTileMap[ppuTile], tile)
                << "slot 0 bank " << int{c.slots[0]} << ", tile " << ppuTile;
    }
}

} // namespace
} // namespace tikaroo
