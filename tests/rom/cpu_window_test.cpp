#include "rom/game_image.h"
#include "rom/rom_error.h"

#include "support/ines_builder.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

// An image with `banks` PRG banks whose window shows bank 0 and the fixed last bank.
CGameImage MakeImage(std::size_t banks = 8) {
    CGameImage image;
    for (std::size_t bank = 0; bank < banks; ++bank) {
        Bytes data(kPrgBankSize);
        for (std::size_t i = 0; i < data.size(); ++i) data[i] = test::PrgPattern(bank, i);
        image.prgBanks.push_back(data);
    }
    image.loaded = 1;
    image.cpuWindow.assign(kCpuWindowSize, 0);
    image.windowPages = {0, 1};
    image.LoadWindow();
    std::copy(image.prgBanks.back().begin(), image.prgBanks.back().end(), image.cpuWindow.begin() + 0x4000);
    return image;
}

TEST(CpuWindow, BoundsOfEveryWidth) {
    CGameImage image = MakeImage();
    EXPECT_THROW(image.Read16(0xFFFF), RomError);
    EXPECT_NO_THROW(image.Read16(0xFFFE));
    EXPECT_THROW(image.Read8(0x7FFF), RomError);
    EXPECT_THROW(image.Read32(0xFFFD), RomError);
    EXPECT_NO_THROW(image.Read32(0xFFFC));
    EXPECT_THROW(image.Write8(0x10000, 1), RomError);
    EXPECT_THROW(image.WriteOperand(0xFFFE, 1), RomError); // operand at $FFFF-$10000
    try {
        image.Read8(0x1FFFF);
        FAIL() << "no error raised";
    } catch (const RomError& error) {
        EXPECT_STREQ(error.what(), "Invalid pointer operation");
    }
}

TEST(CpuWindow, ReadsLittleEndianAndReachesTheRightBytes) {
    CGameImage image = MakeImage();
    EXPECT_EQ(image.Read8(0x8000), test::PrgPattern(0, 0));
    const std::uint16_t word = image.Read16(0xFFFE);
    EXPECT_EQ(word, test::PrgPattern(7, 0x3FFE) | (test::PrgPattern(7, 0x3FFF) << 8));
    image.Write32(0x9000, 0x11223344);
    EXPECT_EQ(image.Read8(0x9000), 0x44);
    EXPECT_EQ(image.Read8(0x9003), 0x11);
    EXPECT_EQ(image.Read16(0x9001), 0x2233);
    image.WriteOperand(0xC100, 0xCC05);
    EXPECT_EQ(image.Read8(0xC101), 0x05);
    EXPECT_EQ(image.ReadOperand(0xC100), 0xCC05);
}

TEST(CpuWindow, PageSwitchingMapsHalvesOfBanks) {
    CGameImage image = MakeImage();
    image.SelectPage(0, 6);
    image.SelectPage(1, 7);
    EXPECT_EQ(image.Read8(0x8000), test::PrgPattern(3, 0));
    EXPECT_EQ(image.Read8(0xA000), test::PrgPattern(3, 0x2000));
    EXPECT_EQ(image.Read8(0xC000), test::PrgPattern(7, 0));
    image.MapBank(2);
    EXPECT_EQ(image.windowPages[0], 4);
    EXPECT_EQ(image.windowPages[1], 5);
    EXPECT_EQ(image.Read8(0xBFFF), test::PrgPattern(2, 0x3FFF));
}

TEST(CpuWindow, WritesReachTheBankOnlyAtTheNextSwitch) {
    CGameImage image = MakeImage();
    image.Write8(0x9000, 0xAB);
    EXPECT_EQ(image.prgBanks[0][0x1000], test::PrgPattern(0, 0x1000));
    image.MapBank(1);
    EXPECT_EQ(image.prgBanks[0][0x1000], 0xAB);
    image.MapBank(0);
    EXPECT_EQ(image.Read8(0x9000), 0xAB);

    // Loading without storing first loses the change.
    image.Write8(0x9001, 0xCD);
    image.windowPages = {2, 3};
    image.LoadWindow();
    image.windowPages = {0, 1};
    image.LoadWindow();
    EXPECT_EQ(image.Read8(0x9001), test::PrgPattern(0, 0x1001));
}

TEST(CpuWindow, SwitchIsSkippedWithoutBanksAndSaveStoresFixedBank) {
    CGameImage empty;
    EXPECT_NO_THROW(empty.MapBank(3));
    EXPECT_EQ(empty.windowPages[0], 0);
    EXPECT_EQ(empty.windowPages[1], 7);

    CGameImage image = MakeImage();
    image.Write8(0xC000, 0x99);
    image.Write8(0xA000, 0x98);
    EXPECT_EQ(image.prgBanks[7][0], test::PrgPattern(7, 0));
    image.chrData.assign(kChrBankSize, 0);
    image.DecodeAllTiles();
    EXPECT_EQ(image.SaveImage("/nonexistent-folder/x.nes"), 0); // nothing to write to, but banks are stored
    EXPECT_EQ(image.prgBanks[7][0], 0x99);
    EXPECT_EQ(image.prgBanks[0][0x2000], 0x98);
}

} // namespace
} // namespace tikaroo
