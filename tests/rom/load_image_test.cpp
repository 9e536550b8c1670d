#include "rom/load_image.h"
#include "rom/rom_error.h"

#include "rom/stub_rows.h"
#include "support/ines_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

// Opens `file` and returns the error text, or "" when it loaded.
std::string OpenError(const Bytes& file, CGameImage& image) {
    test::TempDir dir;
    try {
        LoadGameImage(image, dir.Write("game.nes", file));
    } catch (const RomError& error) {
        EXPECT_EQ(image.loaded, 0U);
        EXPECT_TRUE(image.cpuWindow.empty());
        EXPECT_TRUE(image.prgBanks.empty());
        return error.what();
    }
    return "";
}

std::string OpenError(const Bytes& file) {
    CGameImage image;
    return OpenError(file, image);
}

TEST(LayoutRecognition, Mapper3ImagesByPrgAndChrSize) {
    struct Case {
        std::size_t prgBanks;
        std::size_t chrBanks;
        std::string error;
    };
    const std::vector<Case> cases = {
        {1, 4, "CNROM file corrupt"},
        {3, 4, "CNROM file corrupt"},
        {2, 0, "out of CHR bank while loading tiles"},
        {4, 0, "out of CHR bank while loading tiles"},
        {2, 1, "CHR data of an original image must be 32 KB"},
        {2, 2, "CHR data of an original image must be 32 KB"},
        {4, 8, "CHR data of an original image must be 32 KB"},
        {2, 16, "CHR data of an original image must be 32 KB"}, // a mapper-3 image is never expanded
        {8, 16, "CNROM file corrupt"},
        {2, 4, ""},
        {4, 4, ""},
    };
    for (const Case& c : cases) {
        CGameImage image;
        EXPECT_EQ(OpenError(test::MakeOriginalFile(c.prgBanks, c.chrBanks), image), c.error)
            << c.prgBanks << " PRG banks, " << c.chrBanks << " CHR banks";
        if (c.error.empty()) {
            EXPECT_EQ(image.prgBanks.size(), 8U);
            EXPECT_EQ(image.chrData.size(), 0x20000U);
            EXPECT_EQ(image.mapper, 4);
        }
    }
}

TEST(LayoutRecognition, Mapper4ImagesByPrgAndChrSize) {
    struct Case {
        std::size_t prgBanks;
        std::size_t chrBanks;
        bool expanded;
    };
    for (const Case& c : std::vector<Case>{
             {8, 16, true}, {16, 16, true}, {12, 16, false}, {8, 8, false}, {16, 8, false}, {4, 16, false}}) {
        CGameImage image;
        EXPECT_EQ(OpenError(test::MakeInesFile({.mapper = 4, .prgBanks = c.prgBanks, .chrBanks = c.chrBanks}),
                            image),
                  c.expanded ? "" : "CNROM file corrupt")
            << c.prgBanks << " PRG banks, " << c.chrBanks << " CHR banks";
        EXPECT_EQ(DetectLayout(image) == RomLayout::Expanded, c.expanded);
    }
}

TEST(LayoutRecognition, FilesThatAreNoImage) {
    CGameImage image;
    EXPECT_THROW(LoadGameImage(image, "/nonexistent/dir/game.nes"), RomError);
    Bytes noMagic = test::MakeOriginalFile();
    noMagic[3] = 0x1B;
    EXPECT_EQ(OpenError(noMagic), "CNROM file corrupt");
    Bytes truncated = test::MakeOriginalFile();
    truncated.pop_back();
    EXPECT_EQ(OpenError(truncated), "CNROM file corrupt");
    EXPECT_EQ(OpenError(Bytes(15, 'N')), "CNROM file corrupt");
}

TEST(ExpandedLoad, TakesTheImageAsItIsWithTheCurrentStubs) {
    for (const std::size_t banks : {8U, 16U}) {
        test::TempDir dir;
        const Bytes file = test::MakeInesFile({.mapper = 4, .prgBanks = banks, .chrBanks = 16});
        const std::string path = dir.Write("game.nes", file);
        CGameImage image;
        ASSERT_TRUE(LoadGameImage(image, path));
        EXPECT_EQ(image.windowPages, (std::array<std::uint8_t, 2>{0, 1}));
        EXPECT_EQ(image.allTiles.size(), 8192U);
        EXPECT_EQ(image.auxBuffer.size(), 8192U);
        EXPECT_EQ(image.Read8(0x8000), test::PrgPattern(0, 0));
        EXPECT_EQ(image.Read8(0xBFFF), test::PrgPattern(0, 0x3FFF));
        EXPECT_EQ(image.Read8(0xC000), test::PrgPattern(banks - 1, 0)); // the last bank is the fixed one

        Bytes stubs;
        for (const test::StubRow& row : test::kStubRowsAsDocumented) {
            const Bytes bytes = test::HexBytes(row.bytes);
            ASSERT_EQ(bytes.size(), row.last - row.first + 1U) << std::hex << row.first;
            ASSERT_EQ(row.first, 0xCB99 + stubs.size());
            stubs.insert(stubs.end(), bytes.begin(), bytes.end());
        }
        Bytes inWindow;
        image.ReadBlock(0xCB99, 296, inWindow);
        EXPECT_EQ(inWindow, stubs);
        EXPECT_EQ(image.Read16(0xFFFA), 0xCC92);
        EXPECT_EQ(image.Read16(0xFFFC), 0xCCB3);
        EXPECT_EQ(image.Read16(0xFFFE), 0xCCA1);
        EXPECT_EQ(image.Read8(0xCB98), test::PrgPattern(banks - 1, 0xB98));
        EXPECT_EQ(image.Read8(0xCCC1), test::PrgPattern(banks - 1, 0xCC1));

        // Only the window changed; the file changes at the next save, and then nothing but the stubs.
        EXPECT_EQ(image.prgBanks.back()[0xB99], test::PrgPattern(banks - 1, 0xB99));
        ASSERT_EQ(image.SaveImage(dir.Path("saved.nes")), 1);
        const Bytes saved = test::TempDir::Read(dir.Path("saved.nes"));
        ASSERT_EQ(saved.size(), file.size());
        const std::size_t fixedBank = 16 + (banks - 1) * kPrgBankSize;
        for (std::size_t i = 0; i < file.size(); ++i) {
            const std::size_t inFixed = i - fixedBank;
            const bool stubOrVector = i >= fixedBank && i < fixedBank + kPrgBankSize &&
                                      ((inFixed >= 0xB99 && inFixed <= 0xCC0) || inFixed >= 0x3FFA);
            if (!stubOrVector) {
                ASSERT_EQ(saved[i], file[i]) << "file offset " << i;
            }
        }
    }
}

TEST(ExpandedLoad, RefusesASecondImageAndChangesNothing) {
    test::TempDir dir;
    const std::string first =
        dir.Write("a.nes", test::MakeInesFile({.mapper = 4, .prgBanks = 8, .chrBanks = 16}));
    const std::string second = dir.Write("b.nes", test::MakeOriginalFile());
    CGameImage image;
    ASSERT_TRUE(LoadGameImage(image, first));
    image.Write8(0x8000, 0xEE);
    EXPECT_FALSE(LoadGameImage(image, second));
    EXPECT_EQ(image.FileName(), first);
    EXPECT_EQ(image.Read8(0x8000), 0xEE);
}

} // namespace
} // namespace tikaroo
