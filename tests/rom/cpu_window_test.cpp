#include "rom/game_image.h"
#include "rom/rom_error.h"

#include "support/error_text.h"
#include "support/ines_builder.h"

#include <gtest/gtest.h>

#include <functional>

namespace tikaroo {
namespace {

using test::PrgPattern;

// An image of 8 patterned PRG banks whose window shows bank 0 and the fixed last bank.
CGameImage MakeImage() {
    CGameImage image;
    for (std::size_t bank = 0; bank < 8; ++bank) {
        Bytes data(kPrgBankSize);
        for (std::size_t i = 0; i < data.size(); ++i) data[i] = PrgPattern(bank, i);
        image.prgBanks.push_back(data);
    }
    image.loaded = 1;
    image.cpuWindow.assign(kCpuWindowSize, 0);
    image.windowPages = {0, 1};
    image.LoadWindow();
    std::copy(image.prgBanks.back().begin(), image.prgBanks.back().end(), image.cpuWindow.begin() + 0x4000);
    return image;
}

TEST(CpuWindow, EveryWidthStaysInsideTheWindow) {
    CGameImage image = MakeImage();
    EXPECT_NO_THROW(image.Read16(0xFFFE));
    EXPECT_NO_THROW(image.Read32(0xFFFC));
    const std::function<void()> outside[] = {
        [&] { image.Read16(0xFFFF); }, [&] { image.Read8(0x7FFF); },
        [&] { image.Read32(0xFFFD); }, [&] { image.Write8(0x10000, 1); },
        [&] { image.Read8(0x1FFFF); }, [&] { image.WriteOperand(0xFFFE, 1); }};
    for (const auto& access : outside)
        EXPECT_EQ(test::ErrorText<RomError>(access), "Invalid pointer operation");
}

TEST(CpuWindow, ReadsLittleEndianThroughTheSelectedPages) {
    CGameImage image = MakeImage();
    EXPECT_EQ(image.Read16(0xFFFE), PrgPattern(7, 0x3FFE) | (PrgPattern(7, 0x3FFF) << 8));
    image.Write32(0x9000, 0x11223344);
    EXPECT_EQ(image.Read8(0x9000), 0x44);
    EXPECT_EQ(image.Read16(0x9001), 0x2233);
    image.WriteOperand(0xC100, 0xCC05);
    EXPECT_EQ(image.Read8(0xC101), 0x05);
    EXPECT_EQ(image.ReadOperand(0xC100), 0xCC05);

    image.SelectPage(0, 6);
    image.SelectPage(1, 7);
    EXPECT_EQ(image.Read8(0x8000), PrgPattern(3, 0));
    EXPECT_EQ(image.Read8(0xA000), PrgPattern(3, 0x2000));
    EXPECT_EQ(image.Read8(0xC000), PrgPattern(7, 0));
    image.MapBank(2);
    EXPECT_EQ(image.windowPages, (std::array<std::uint8_t, 2>{4, 5}));
    EXPECT_EQ(image.Read8(0xBFFF), PrgPattern(2, 0x3FFF));
}

TEST(CpuWindow, WritesReachTheBanksOnlyWhenTheWindowIsStored) {
    CGameImage image = MakeImage();
    image.Write8(0x9000, 0xAB);
    EXPECT_EQ(image.prgBanks[0][0x1000], PrgPattern(0, 0x1000));
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
    EXPECT_EQ(image.Read8(0x9001), PrgPattern(0, 0x1001));

    // A save stores the window, fixed bank included, even when the file cannot be written.
    image.Write8(0xC000, 0x99);
    image.Write8(0xA000, 0x98);
    image.chrData.assign(kChrBankSize, 0);
    image.DecodeAllTiles();
    EXPECT_EQ(image.SaveImage("/nonexistent-folder/x.nes"), 0);
    EXPECT_EQ(image.prgBanks[7][0], 0x99);
    EXPECT_EQ(image.prgBanks[0][0x2000], 0x98);

    CGameImage empty;
    EXPECT_NO_THROW(empty.MapBank(3));
    EXPECT_EQ(empty.windowPages, (std::array<std::uint8_t, 2>{0, 7}));
}

} // namespace
} // namespace tikaroo
