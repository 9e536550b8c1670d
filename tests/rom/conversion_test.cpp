#include "rom/conversion.h"
#include "rom/load_image.h"

#include "rom/stub_rows.h"
#include "support/ines_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <utility>

namespace tikaroo {
namespace {

constexpr std::size_t kFixed = 7;

struct Range {
    std::uint32_t first;
    std::uint32_t last;
    bool Holds(std::uint32_t address) const { return address >= first && address <= last; }
};

// The operand redirection table as documented, row by row.
struct RedirectRow {
    std::vector<std::uint16_t> instructions;
    std::uint16_t target;
};
const std::vector<RedirectRow> kRedirectRows = {
    {{0x8CA5, 0x8CBA, 0x8CCA, 0x8CF7, 0x8D00, 0x8D1D, 0x8D5D}, 0x813A},
    {{0x8CF0}, 0x817A},
    {{0x8D0B, 0x8D62, 0x8D22}, 0x8105},
    {{0x8DBF}, 0x8163},
    {{0x8DC2}, 0x8198},
    {{0x8DEE}, 0x8206},
    {{0x8D18, 0x8D36}, 0x8020},
    {{0x8272, 0x8811, 0x8C00, 0x932B, 0x9932, 0x9A01, 0x9A7C, 0x9B8A, 0x9C4A}, 0xCC2D},
    {{0x8222}, 0xCC5A},
    {{0x8227}, 0xCC3C},
    {{0x8C50}, 0xCC4B},
    {{0xBCAB}, 0xCC1E},
    {{0x8E08}, 0xCC69},
};

constexpr std::array<std::uint32_t, 4> kStubCallers = {0xBC49, 0xBDCF, 0xBEC8, 0xBED8}; // now call $CCA2
constexpr Range kBlockOne = {0x8C5A, 0x8E64}; // moves to bank 2 at $8020
constexpr std::array<std::uint8_t, 12> kLevelSetBytesBefore = {0x40, 0xC0, 0x20, 0x7F, 0x00, 0xFF,
                                                               0x80, 0x3F, 0x01, 0x41, 0xE0, 0x60};
constexpr std::array<std::uint8_t, 12> kLevelSetBytesAfter = {0x80, 0x80, 0x20, 0xBF, 0x00, 0xBF,
                                                              0x80, 0x3F, 0x01, 0x81, 0xA0, 0xA0};

// The original image the tests convert: patterned banks, no 0xF6 in the scanned part of the block that
// moves to bank 1 except three planted pointer marks, and bytes that must survive set apart from fillers.
Bytes MakeTestOriginal() {
    Bytes file = test::MakeOriginalFile();
    for (std::uint32_t address = 0xCC51; address <= 0xD953; ++address)
        if (test::PeekOriginal8(file, address) == 0xF6) test::PokeOriginal8(file, address, 0xF5);
    // One pointer at $CD10; at $CD20 a mark whose operand is 0xF6F6, then the next mark right after; a
    // mark on the last byte but one; then bytes that must survive beside fillers.
    const std::pair<std::uint32_t, std::uint8_t> pokes[] = {
        {0xCD10, 0xF6}, {0xCD11, 0x34}, {0xCD12, 0xD1}, {0xCD20, 0xF6}, {0xCD21, 0xF6},
        {0xCD22, 0xF6}, {0xCD23, 0xF6}, {0xCD24, 0x00}, {0xCD25, 0xD0}, {0xD952, 0xF6},
        {0xD953, 0x77}, {0x8E64, 0xA5}, {0x91CD, 0xA5}, {0xFFF1, 0xA5}};
    for (const auto& [address, value] : pokes) test::PokeOriginal8(file, address, value);
    test::PokeOriginal16(file, 0xF121, 0x0000);
    test::PokeOriginal16(file, 0xF123, 0xF300);
    for (std::size_t i = 0; i < kLevelSetBytesBefore.size(); ++i)
        test::PokeOriginal8(file, test::kOriginalLevelSetBytes + static_cast<std::uint32_t>(i),
                            kLevelSetBytesBefore[i]);
    return file;
}

// Opens `file` and returns the image as saved after opening.
CNesRom OpenAndSave(const Bytes& file) {
    test::TempDir dir;
    CGameImage image;
    LoadGameImage(image, dir.Write("original.nes", file));
    EXPECT_EQ(image.SaveImage(dir.Path("converted.nes")), 1);
    CNesRom saved;
    EXPECT_EQ(saved.ReadRomFile(dir.Path("converted.nes")), 1);
    return saved;
}

class Conversion : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        original = new Bytes(MakeTestOriginal());
        converted = new CNesRom(OpenAndSave(*original));
    }
    static void TearDownTestSuite() {
        delete original;
        delete converted;
    }

    static std::uint8_t Old(std::uint32_t address) { return test::PeekOriginal8(*original, address); }
    static std::uint16_t Old16(std::uint32_t address) { return test::PeekOriginal16(*original, address); }
    // Byte of converted PRG bank `bank` at CPU `address` ($C000-$FFFF for the fixed bank 7).
    static std::uint8_t New(std::size_t bank, std::uint32_t address) {
        return converted->prgBanks.at(bank).at(address - (address >= 0xC000 ? 0xC000 : 0x8000));
    }
    static std::uint16_t New16(std::size_t bank, std::uint32_t address) {
        return static_cast<std::uint16_t>(New(bank, address) | (New(bank, address + 1) << 8));
    }
    static void ExpectFilled(std::size_t bank, Range range, std::uint8_t filler) {
        for (std::uint32_t address = range.first; address <= range.last; ++address)
            ASSERT_EQ(New(bank, address), filler) << "bank " << bank << std::hex << " $" << address;
    }
    static void ExpectMoved(Range from, std::size_t bank, std::uint32_t to) {
        for (std::uint32_t address = from.first; address <= from.last; ++address)
            ASSERT_EQ(New(bank, to + address - from.first), Old(address)) << std::hex << "$" << address;
    }
    // Every byte of bank 0 or the fixed bank outside `changed` is as in the original.
    static void ExpectUnchangedOutside(std::size_t bank, std::uint32_t base,
                                       const std::vector<Range>& changed) {
        for (std::uint32_t address = base; address < base + 0x4000; ++address) {
            bool isChanged = false;
            for (const Range& range : changed) isChanged = isChanged || range.Holds(address);
            if (!isChanged) {
                ASSERT_EQ(New(bank, address), Old(address)) << std::hex << "$" << address;
            }
        }
    }

    static inline Bytes* original = nullptr;
    static inline CNesRom* converted = nullptr;
};

TEST_F(Conversion, HeaderBanksAndChr) {
    const Bytes expectedHeader = {'N',  'E',  'S',  0x1A, 0x08, 0x10, 0x41, 0x00,
                                  0x00, 0x00, 0xCC, 0,    0,    0,    0,    0};
    EXPECT_EQ(Bytes(converted->header.begin(), converted->header.end()), expectedHeader);
    ASSERT_EQ(converted->prgBanks.size(), 8U);
    ASSERT_EQ(converted->chrData.size(), 131072U);
    const std::size_t chrStart = 16 + 2 * kPrgBankSize;
    // New banks 0-2 and 8-10 are source banks 0-2; 3-6 and 11-14 zero; 7 and 15 source bank 3.
    const std::array<int, 16> sourceBank = {0, 1, 2, -1, -1, -1, -1, 3, 0, 1, 2, -1, -1, -1, -1, 3};
    for (std::size_t bank = 0; bank < 16; ++bank) {
        const Bytes chr(converted->chrData.begin() + static_cast<std::ptrdiff_t>(bank * 8192),
                        converted->chrData.begin() + static_cast<std::ptrdiff_t>((bank + 1) * 8192));
        const Bytes expected =
            sourceBank[bank] < 0
                ? Bytes(8192, 0)
                : Bytes(original->begin() + static_cast<std::ptrdiff_t>(chrStart + sourceBank[bank] * 8192),
                        original->begin() +
                            static_cast<std::ptrdiff_t>(chrStart + (sourceBank[bank] + 1) * 8192));
        EXPECT_EQ(chr, expected) << "CHR bank " << bank;
    }
    ExpectFilled(4, {0x8000, 0xBFFF}, 0);
    ExpectFilled(5, {0x8000, 0xBFFF}, 0);
    ExpectFilled(6, {0x8000, 0xBFFF}, 0);
}

TEST_F(Conversion, BlockMovedIntoBankOneAndItsPointers) {
    for (std::uint32_t address = 0x8B99; address <= 0x9953; ++address) {
        const bool relocated = (address >= 0x8BE1 && address <= 0x8C50) ||
                               (address >= 0x8D11 && address <= 0x8D12) ||
                               (address >= 0x8D21 && address <= 0x8D22) ||
                               (address >= 0x8D24 && address <= 0x8D25) || address == 0x9953;
        if (!relocated) {
            ASSERT_EQ(New(1, address), Old(address + 0x4000)) << std::hex << "$" << address;
        }
    }
    for (std::uint32_t word = 0x8BE1; word <= 0x8C4F; word += 2)
        EXPECT_EQ(New16(1, word), static_cast<std::uint16_t>(Old16(word + 0x4000) - 0x4000))
            << std::hex << word;
    EXPECT_EQ(New16(1, 0x8D11), 0x9134);
    EXPECT_EQ(New16(1, 0x8D21), 0xB6F6);
    EXPECT_EQ(New16(1, 0x8D24), 0x9000);
    EXPECT_EQ(New16(1, 0x9953), 0xC077); // the scan reaches one byte beyond the moved block, then ends
    ExpectFilled(1, {0x8000, 0x8B98}, 0);
    ExpectFilled(1, {0x9955, 0xBFFF}, 0);
    for (const std::uint32_t instruction : {0xCA22U, 0xCA51U, 0xCA55U, 0xC9D4U, 0xC9DDU, 0xC8D8U})
        EXPECT_EQ(New16(kFixed, instruction + 1),
                  static_cast<std::uint16_t>(Old16(instruction + 1) - 0x4000));
    EXPECT_EQ(New16(0, 0xB747), 0xCC05);
}

TEST_F(Conversion, StubBlockVectorsAndVacatedFixedBank) {
    const Bytes stubs = test::DocumentedStubBlock();
    ASSERT_EQ(stubs.size(), 296U);
    for (std::uint32_t i = 0; i < stubs.size(); ++i)
        EXPECT_EQ(New(kFixed, test::kStubBlockStart + i), stubs[i]);
    EXPECT_EQ(New16(kFixed, 0xFFFA), 0xCC92);
    EXPECT_EQ(New16(kFixed, 0xFFFC), 0xCCB3);
    EXPECT_EQ(New16(kFixed, 0xFFFE), 0xCCA1);
    ExpectFilled(kFixed, {0xCCC1, 0xCCEF}, 0);
    ExpectFilled(kFixed, {0xCD00, 0xD953}, 0);
    ExpectFilled(kFixed, {0xD9FA, 0xE23F}, 0);
    ExpectFilled(kFixed, {0xF217, 0xFFF0}, 0);
    EXPECT_EQ(New(kFixed, 0xFFF1), 0xA5);
    for (std::uint32_t i = 0; i < 16; ++i) EXPECT_EQ(New(kFixed, 0xCCF0 + i), 0x30 + i);

    const Range levelSetPointers = {test::kOriginalLevelSetPointers, test::kOriginalLevelSetPointers + 23U};
    const std::vector<Range> changed = {{0xCB99, 0xD953}, {0xD9FA, 0xE23F}, {0xF121, 0xFFF0},
                                        {0xFFFA, 0xFFFF}, {0xCA23, 0xCA24}, {0xCA52, 0xCA53},
                                        {0xCA56, 0xCA57}, {0xC9D5, 0xC9D6}, {0xC9DE, 0xC9DF},
                                        {0xC8D9, 0xC8DA}, levelSetPointers};
    ExpectUnchangedOutside(kFixed, 0xC000, changed);
}

TEST_F(Conversion, CodeAndTablesMovedIntoBankTwo) {
    ExpectFilled(2, {0x8000, 0x801F}, 0x60);
    // Block 1 arrives with the operands that were redirected before it moved.
    for (std::uint32_t address = kBlockOne.first; address <= kBlockOne.last; ++address) {
        bool patched = address >= 0x8DC9 && address <= 0x8DCB;
        for (const RedirectRow& row : kRedirectRows)
            for (const std::uint16_t instruction : row.instructions)
                patched = patched || address == instruction + 1U || address == instruction + 2U;
        if (!patched) {
            ASSERT_EQ(New(2, address - 0x8C5A + 0x8020), Old(address)) << std::hex << address;
        }
    }
    EXPECT_EQ(New(2, 0x8DC9 - 0x8C5A + 0x8020), 0x4C);
    EXPECT_EQ(New16(2, 0x8DCA - 0x8C5A + 0x8020), 0xCC6F);
    ExpectMoved({0x901E, 0x91CD}, 2, 0x901E);
    ExpectMoved({0xF217, 0xFFF1}, 2, 0x9521);
    ExpectFilled(2, {0x822B, 0x901D}, 0);
    ExpectFilled(2, {0x91CE, 0x9520}, 0);
    ExpectFilled(2, {0xA2FC, 0xBFFF}, 0);

    EXPECT_EQ(New16(kFixed, 0xF121), 0x0000);
    EXPECT_EQ(New16(kFixed, 0xF123), 0x960A);
    for (std::uint32_t word = 0xF125; word <= 0xF215; word += 2) {
        const std::uint16_t old = Old16(word);
        EXPECT_EQ(New16(kFixed, word), old == 0 ? 0 : static_cast<std::uint16_t>(old - 0x5CF6))
            << std::hex << word;
    }
}

TEST_F(Conversion, EveryRedirectedOperand) {
    for (const RedirectRow& row : kRedirectRows) {
        for (const std::uint16_t instruction : row.instructions) {
            const bool moved = kBlockOne.Holds(instruction + 1U);
            const std::uint16_t operand =
                moved ? New16(2, instruction + 1U - 0x8C5A + 0x8020) : New16(0, instruction + 1U);
            EXPECT_EQ(operand, row.target) << std::hex << "instruction at $" << instruction;
        }
    }
    for (const std::uint32_t instruction : kStubCallers)
        EXPECT_EQ(New16(0, instruction + 1), 0xCCA2) << std::hex << instruction;
    EXPECT_EQ(New16(0, 0x8093), 0x8C6B);
    EXPECT_EQ(New16(0, 0x80C2), 0x8C5A);
    EXPECT_EQ(New(0, 0xB81A), 0x20);
    EXPECT_EQ(New16(0, 0xB81B), 0xCBB4);
}

TEST_F(Conversion, LevelSetDataMovedIntoBankThree) {
    ExpectMoved({0xBD75, 0xBDB1}, 3, 0x8000);
    ExpectMoved({0xD9FA, 0xE23F}, 3, 0x803D);
    ExpectFilled(3, {0x8883, 0xBFFF}, 0);
    for (std::uint32_t set = 0; set < 12; ++set)
        EXPECT_EQ(New16(kFixed, test::kOriginalLevelSetPointers + 2 * set), 0x803D + 0xB0 * set);
}

TEST_F(Conversion, BankZeroHooksPatchesAndVacatedRegions) {
    const Bytes hooks =
        test::HexBytes("20 03 82 A9 00 85 75 A5 6D D0 20 AD 89 8C 85 6D 60 20 77 89 A5 37 05 38 05 39 "
                       "D0 0F AD 86 8C 85 37 AD 87 8C 85 38 AD 88 8C 85 39 60 00 00 00 00");
    ASSERT_EQ(hooks.size(), 48U);
    for (std::uint32_t i = 0; i < hooks.size(); ++i) EXPECT_EQ(New(0, 0x8C5A + i), hooks[i]);
    EXPECT_EQ(New(0, 0x8C8A), 0x00);
    ExpectFilled(0, {0x8C8B, 0x8E63}, 0x60);
    EXPECT_EQ(New(0, 0x8E64), 0xA5);
    ExpectFilled(0, {0x901E, 0x91CC}, 0);
    EXPECT_EQ(New(0, 0x91CD), 0xA5);
    ExpectFilled(0, {0xBD75, 0xBDB1}, 0);

    for (std::uint32_t i = 0; i < 12; ++i)
        EXPECT_EQ(New(0, test::kOriginalLevelSetBytes + i), kLevelSetBytesAfter[i]) << "level set " << i;
    std::vector<Range> changed = {
        {0x8C5A, 0x8E63}, {0x901E, 0x91CC},
        {0xBD75, 0xBDB1}, {0xB747, 0xB748},
        {0xB818, 0xB81C}, {0x8093, 0x8094},
        {0x80C2, 0x80C3}, {test::kOriginalLevelSetBytes, test::kOriginalLevelSetBytes + 11U}};
    const std::pair<std::uint32_t, std::uint8_t> patched[] = {{0xBB95, 0x80}, {0xBBC5, 0x07}, {0xB163, 0x87},
                                                              {0xBA94, 0x87}, {0xB815, 0x07}, {0xB754, 0x60}};
    for (const auto& [address, value] : patched) {
        EXPECT_EQ(New(0, address), value) << std::hex << address;
        changed.push_back({address, address});
    }
    EXPECT_EQ(New16(0, 0xB818), 0xCCF0);
    for (const std::uint32_t instruction : kStubCallers)
        changed.push_back({instruction + 1, instruction + 2});
    for (const RedirectRow& row : kRedirectRows)
        for (const std::uint16_t instruction : row.instructions)
            changed.push_back({instruction + 1U, instruction + 2U});
    ExpectUnchangedOutside(0, 0x8000, changed);
}

TEST_F(Conversion, FourBankOriginalGivesTheSameImage) {
    Bytes fourBanks = test::MakeOriginalFile(4, 4);
    const std::size_t prgStart = 16;
    // Same banks 0 and 1 and CHR as the two-bank test image; banks 2 and 3 keep their own patterns.
    std::copy(original->begin() + prgStart, original->begin() + prgStart + 2 * kPrgBankSize,
              fourBanks.begin() + prgStart);
    std::copy(original->begin() + prgStart + 2 * kPrgBankSize, original->end(),
              fourBanks.begin() + prgStart + 4 * kPrgBankSize);
    const CNesRom fromFour = OpenAndSave(fourBanks);
    EXPECT_EQ(fromFour.prgBanks, converted->prgBanks);
    EXPECT_EQ(fromFour.chrData, converted->chrData);
    EXPECT_EQ(fromFour.header, converted->header);
}

} // namespace
} // namespace tikaroo
