#include "rom/load_image.h"
#include "rom/rom_error.h"

#include "rom/stub_rows.h"
#include "support/error_text.h"
#include "support/ines_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace tikaroo {
namespace {

using test::PrgPattern;

TEST(LayoutRecognition, ImagesByMapperPrgAndChrSize) {
    const std::string corrupt = "CNROM file corrupt";
    const std::string not32K = "CHR data of an original image must be 32 KB";
    const std::string noChr = "out of CHR bank while loading tiles";
    const auto original = [](std::size_t prg, std::size_t chr) { return test::MakeOriginalFile(prg, chr); };
    // The two words that name the level-set tables, pointing outside the window.
    const auto badPointer = [](std::uint32_t reference, std::uint16_t pointer) {
        Bytes file = test::MakeOriginalFile();
        test::PokeOriginal16(file, reference, pointer);
        return file;
    };
    const std::string badPointerError = "Invalid pointer operation";
    const auto mapper4 = [](std::size_t prg, std::size_t chr) {
        return test::MakeInesFile({.mapper = 4, .prgBanks = prg, .chrBanks = chr});
    };
    const struct {
        const char* name;
        Bytes file;
        std::string error;
    } cases[] = {
        {"mapper 3, 1 + 4 banks", original(1, 4), corrupt},
        {"mapper 3, 3 + 4 banks", original(3, 4), corrupt},
        {"mapper 3, 2 + 0 banks", original(2, 0), noChr},
        {"mapper 3, 4 + 0 banks", original(4, 0), noChr},
        {"mapper 3, 2 + 2 banks", original(2, 2), not32K},
        {"mapper 3, 4 + 8 banks", original(4, 8), not32K},
        {"mapper 3, 2 + 16 banks", original(2, 16), not32K}, // a mapper-3 image is never expanded
        {"mapper 3, 8 + 16 banks", original(8, 16), corrupt},
        {"mapper 3, 2 + 4 banks", original(2, 4), ""},
        {"mapper 3, 4 + 4 banks", original(4, 4), ""},
        {"mapper 4, 8 + 16 banks", mapper4(8, 16), ""},
        {"mapper 4, 16 + 16 banks", mapper4(16, 16), ""},
        {"mapper 4, 12 + 16 banks", mapper4(12, 16), corrupt},
        {"mapper 4, 8 + 8 banks", mapper4(8, 8), corrupt},
        {"mapper 4, 4 + 16 banks", mapper4(4, 16), corrupt},
        {"level-set pointers at $FFF5", badPointer(0xBB50, 0xFFF5), badPointerError},
        {"level-set pointers at $0100", badPointer(0xBB50, 0x0100), badPointerError},
        {"level-set bytes at $FFF5", badPointer(0xBB92, 0xFFF5), badPointerError},
        {"level-set bytes at $0100", badPointer(0xBB92, 0x0100), badPointerError},
    };
    const test::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CGameImage image;
        EXPECT_EQ(test::ErrorText<RomError>([&] { LoadGameImage(image, dir.Write("game.nes", c.file)); }),
                  c.error);
        EXPECT_EQ(DetectLayout(image) == RomLayout::Expanded, c.error.empty());
        EXPECT_EQ(image.loaded, c.error.empty() ? 1U : 0U);
        EXPECT_EQ(image.cpuWindow.empty(), !c.error.empty());
    }
    CGameImage image;
    EXPECT_THROW(LoadGameImage(image, dir.Path("missing.nes")), RomError);
}

TEST(ExpandedLoad, TakesTheImageAsItIsAndSavesItWithTheCurrentStubs) {
    for (const std::size_t banks : {8U, 16U}) {
        SCOPED_TRACE(banks);
        test::TempDir dir;
        const Bytes file = test::MakeInesFile({.mapper = 4, .prgBanks = banks, .chrBanks = 16});
        CGameImage image;
        ASSERT_TRUE(LoadGameImage(image, dir.Write("game.nes", file)));
        EXPECT_EQ(image.Read8(0xBFFF), PrgPattern(0, 0x3FFF));
        EXPECT_EQ(image.Read8(0xC000), PrgPattern(banks - 1, 0)); // the last bank is the fixed one
        // Saved, it differs from the file only in the stubs and the interrupt vectors of the fixed bank.
        Bytes expected = file;
        const auto fixedBank =
            expected.begin() + static_cast<std::ptrdiff_t>(16 + (banks - 1) * kPrgBankSize);
        const Bytes stubs = test::DocumentedStubBlock();
        std::copy(stubs.begin(), stubs.end(), fixedBank + (test::kStubBlockStart - 0xC000));
        const Bytes vectors = test::HexBytes("92 CC B3 CC A1 CC");
        std::copy(vectors.begin(), vectors.end(), fixedBank + 0x3FFA);
        ASSERT_EQ(image.SaveImage(dir.Path("saved.nes")), 1);
        EXPECT_TRUE(test::TempDir::Read(dir.Path("saved.nes")) == expected);
    }
}

} // namespace
} // namespace tikaroo
