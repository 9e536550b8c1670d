#include "rom/conversion.h"
#include "rom/load_image.h"

#include "rom/stub_rows.h"
#include "support/ines_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace tikaroo {
namespace {

constexpr std::size_t kFixed = 7;
constexpr std::uint32_t kBlockOneFirst = 0x8C5A; // $8C5A-$8E64 moves to bank 2 at $8020
constexpr std::uint32_t kBlockOneLast = 0x8E64;
constexpr std::uint32_t kBlockOneTarget = 0x8020;

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

const Bytes& Original() {
    static const Bytes file = MakeTestOriginal();
    return file;
}

const CNesRom& Converted() {
    static const CNesRom rom = OpenAndSave(Original());
    return rom;
}

std::uint16_t Old16(std::uint32_t address) {
    return test::PeekOriginal16(Original(), address);
}

// The eight PRG banks of the converted image, written down by hand from the original: bank 0 and the
// fixed bank 7 start as the original's two banks, the others empty. Addresses are CPU addresses
// ($C000-$FFFF for the fixed bank).
class ExpectedBanks {
public:
    ExpectedBanks() : banks(8, Bytes(kPrgBankSize, 0)) {
        Move(0x8000, 0xBFFF, 0, 0x8000);
        Move(0xC000, 0xFFFF, kFixed, 0xC000);
    }
    void Fill(std::size_t bank, std::uint32_t first, std::uint32_t last, std::uint8_t value) {
        for (std::uint32_t address = first; address <= last; ++address) At(bank, address) = value;
    }
    // Original bytes `first`-`last` put at `to` in `bank`.
    void Move(std::uint32_t first, std::uint32_t last, std::size_t bank, std::uint32_t to) {
        for (std::uint32_t address = first; address <= last; ++address)
            At(bank, to + address - first) = test::PeekOriginal8(Original(), address);
    }
    void Put(std::size_t bank, std::uint32_t address, const Bytes& bytes) {
        for (const std::uint8_t byte : bytes) At(bank, address++) = byte;
    }
    void Put16(std::size_t bank, std::uint32_t address, std::uint32_t value) {
        Put(bank, address, {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)});
    }
    // The operand of a bank-0 instruction; one inside block one moved with the block to bank 2.
    void PutOperand(std::uint32_t instruction, std::uint16_t value) {
        const std::uint32_t operand = instruction + 1;
        if (operand >= kBlockOneFirst && operand <= kBlockOneLast)
            Put16(2, operand - kBlockOneFirst + kBlockOneTarget, value);
        else
            Put16(0, operand, value);
    }

    std::vector<Bytes> banks;

private:
    std::uint8_t& At(std::size_t bank, std::uint32_t address) { return banks.at(bank).at(address & 0x3FFF); }
};

ExpectedBanks ConvertedByHand() {
    ExpectedBanks e;
    // The block behind the stubs moves into bank 1; its pointers, and the fixed bank's, follow it.
    e.Fill(kFixed, 0xCB99, 0xD953, 0);
    e.Move(0xCB99, 0xD953, 1, 0x8B99);
    for (std::uint32_t word = 0x8BE1; word <= 0x8C4F; word += 2)
        e.Put16(1, word, Old16(word + 0x4000) - 0x4000);
    e.Put16(1, 0x8D11, 0x9134);
    e.Put16(1, 0x8D21, 0xB6F6);
    e.Put16(1, 0x8D24, 0x9000);
    e.Put16(1, 0x9953, 0xC077); // the scan reaches one byte beyond the moved block
    for (const std::uint32_t instruction : {0xCA22U, 0xCA51U, 0xCA55U, 0xC9D4U, 0xC9DDU, 0xC8D8U})
        e.Put16(kFixed, instruction + 1, Old16(instruction + 1) - 0x4000);
    e.Put(kFixed, test::kStubBlockStart, test::DocumentedStubBlock());
    e.Put16(0, 0xB747, 0xCC05);
    e.Put(0, 0xB81A, {0x20, 0xB4, 0xCB});

    // Block one, the object types and the objects lists move into bank 2, behind 32 returns.
    e.Fill(2, 0x8000, 0x801F, 0x60);
    e.Move(kBlockOneFirst, kBlockOneLast, 2, kBlockOneTarget);
    e.Fill(0, kBlockOneFirst, kBlockOneLast - 1, 0x60);
    for (const RedirectRow& row : kRedirectRows)
        for (const std::uint16_t instruction : row.instructions) e.PutOperand(instruction, row.target);
    e.Put(2, 0x8DC9 - kBlockOneFirst + kBlockOneTarget, {0x4C, 0x6F, 0xCC});
    e.Put16(kFixed, 0xFFFA, 0xCC92);
    e.Put16(kFixed, 0xFFFC, 0xCCB3);
    e.Put16(kFixed, 0xFFFE, 0xCCA1);
    e.Put(0, 0xB754, {0x60});
    e.Move(0x901E, 0x91CD, 2, 0x901E);
    e.Fill(0, 0x901E, 0x91CC, 0);
    e.Move(0xF217, 0xFFF1, 2, 0x9521);
    e.Fill(kFixed, 0xF217, 0xFFF0, 0);
    for (std::uint32_t word = 0xF121; word <= 0xF215; word += 2)
        e.Put16(kFixed, word, Old16(word) == 0 ? 0 : Old16(word) - 0x5CF6);

    // A routine and the level-set room data move into bank 3.
    e.Move(0xBD75, 0xBDB1, 3, 0x8000);
    e.Fill(0, 0xBD75, 0xBDB1, 0);
    e.Move(0xD9FA, 0xE23F, 3, 0x803D);
    e.Fill(kFixed, 0xD9FA, 0xE23F, 0);
    for (std::uint32_t set = 0; set < 12; ++set)
        e.Put16(kFixed, test::kOriginalLevelSetPointers + 2 * set, 0x803D + 0xB0 * set);
    for (const std::uint32_t instruction : {0xBC49U, 0xBDCFU, 0xBEC8U, 0xBED8U})
        e.PutOperand(instruction, 0xCCA2);

    // The hooks at $8C5A (the byte after them ends up 0) and their calls.
    e.Put(0, 0x8C5A,
          test::HexBytes("20 03 82 A9 00 85 75 A5 6D D0 20 AD 89 8C 85 6D 60 20 77 89 A5 37 05 38 05 39 "
                         "D0 0F AD 86 8C 85 37 AD 87 8C 85 38 AD 88 8C 85 39 60 00 00 00 00 00"));
    e.PutOperand(0x8092, 0x8C6B);
    e.PutOperand(0x80C1, 0x8C5A);

    // The level-set bytes, the byte patches and the CHR bank table.
    e.Put(0, test::kOriginalLevelSetBytes, Bytes(kLevelSetBytesAfter.begin(), kLevelSetBytesAfter.end()));
    for (const auto& [address, value] :
         {std::pair{0xBB95U, 0x80}, {0xBBC5U, 0x07}, {0xB163U, 0x87}, {0xBA94U, 0x87}, {0xB815U, 0x07}})
        e.Put(0, address, {static_cast<std::uint8_t>(value)});
    e.Put16(0, 0xB818, 0xCCF0);
    e.Put(kFixed, 0xCCF0, test::HexBytes("30 31 32 33 34 35 36 37 38 39 3A 3B 3C 3D 3E 3F"));
    return e;
}

TEST(Conversion, HeaderAndChrBanks) {
    const Bytes expectedHeader = {'N',  'E',  'S',  0x1A, 0x08, 0x10, 0x41, 0x00,
                                  0x00, 0x00, 0xCC, 0,    0,    0,    0,    0};
    EXPECT_EQ(Bytes(Converted().header.begin(), Converted().header.end()), expectedHeader);
    // New banks 0-2 and 8-10 are source banks 0-2; 3-6 and 11-14 zero; 7 and 15 source bank 3.
    const auto chr = Original().begin() + static_cast<std::ptrdiff_t>(16 + 2 * kPrgBankSize);
    Bytes expectedChr;
    for (const int source : {0, 1, 2, -1, -1, -1, -1, 3, 0, 1, 2, -1, -1, -1, -1, 3}) {
        if (source < 0)
            expectedChr.insert(expectedChr.end(), kChrBankSize, 0);
        else
            expectedChr.insert(expectedChr.end(), chr + source * 8192, chr + (source + 1) * 8192);
    }
    EXPECT_TRUE(Converted().chrData == expectedChr);
}

TEST(Conversion, EveryPrgBankIsAsWrittenDownByHand) {
    const ExpectedBanks expected = ConvertedByHand();
    ASSERT_EQ(Converted().prgBanks.size(), expected.banks.size());
    for (std::size_t bank = 0; bank < expected.banks.size(); ++bank) {
        const Bytes& actual = Converted().prgBanks[bank];
        ASSERT_EQ(actual.size(), kPrgBankSize);
        const auto [differs, wanted] =
            std::mismatch(actual.begin(), actual.end(), expected.banks[bank].begin());
        if (differs == actual.end()) continue;
        const std::size_t address = (bank == kFixed ? 0xC000 : 0x8000) + (differs - actual.begin());
        ADD_FAILURE() << "bank " << bank << std::hex << " first differs at $" << address << ": 0x"
                      << int{*differs} << " instead of 0x" << int{*wanted};
    }
}

TEST(Conversion, FourBankOriginalGivesTheSameImage) {
    Bytes fourBanks = test::MakeOriginalFile(4, 4);
    const std::size_t prgStart = 16;
    // Same banks 0 and 1 and CHR as the two-bank test image; banks 2 and 3 keep their own patterns.
    std::copy(Original().begin() + prgStart, Original().begin() + prgStart + 2 * kPrgBankSize,
              fourBanks.begin() + prgStart);
    std::copy(Original().begin() + prgStart + 2 * kPrgBankSize, Original().end(),
              fourBanks.begin() + prgStart + 4 * kPrgBankSize);
    const CNesRom fromFour = OpenAndSave(fourBanks);
    EXPECT_EQ(fromFour.prgBanks, Converted().prgBanks);
    EXPECT_EQ(fromFour.chrData, Converted().chrData);
    EXPECT_EQ(fromFour.header, Converted().header);
}

} // namespace
} // namespace tikaroo
