#include "conversion.h"

#include "engine_stubs.h"
#include "rom_error.h"

#include <algorithm>

namespace tikaroo {

namespace {

// Mapper 4, vertical mirroring.
constexpr std::array<std::uint8_t, kHeaderSize> kConvertedHeaderTemplate = {0, 0, 0, 0, 0, 0, 0x41};
constexpr std::size_t kConvertedPrgBankCount = 8;
// The first three CHR banks go to banks 0-2, the fourth to bank 7; the 64 KB run is then repeated.
constexpr std::size_t kChrKeptAtStart = 0x6000;
constexpr std::size_t kChrGap = 0x8000;

constexpr std::uint8_t kJsr = 0x20;
constexpr std::uint8_t kJmp = 0x4C;
constexpr std::uint8_t kRts = 0x60;

struct OperandPatch {
    CpuPtr instruction;
    CpuPtr operand;
};

struct InstructionPatch {
    CpuPtr at;
    std::uint8_t opcode;
    CpuPtr operand;
};

struct WordPatch {
    CpuPtr at;
    CpuPtr value;
};

struct BytePatch {
    CpuPtr at;
    std::uint8_t value;
};

// A block cut out of the mapped bank or the fixed bank and put at `to` in a new bank; `vacated` bytes
// from `from` are filled with `filler` (one fewer than the block where its last byte stays).
struct BlockMove {
    CpuPtr from;
    std::size_t length;
    CpuPtr to;
    std::size_t vacated;
    std::uint8_t filler;
};

// Step A: the block behind the stubs moves from the fixed bank into bank 1.
constexpr BlockMove kEngineBlockMove = {0xCB99, 3515, 0x8B99, 3515, 0x00};
constexpr std::uint16_t kEngineBlockShift = 0x4000;
constexpr std::array<CpuPtr, 6> kFixedBankReferencesToEngineBlock = {0xCA22, 0xCA51, 0xCA55,
                                                                     0xC9D4, 0xC9DD, 0xC8D8};
constexpr CpuPtr kEngineBlockPointerTable = 0x8BE1;
constexpr std::size_t kEngineBlockPointerCount = 56;
// In the rest of the moved block every operand after the byte 0xF6 points into the block.
constexpr CpuPtr kEngineBlockScanStart = 0x8C51;
constexpr CpuPtr kEngineBlockScanEnd = 0x9953;
constexpr std::uint8_t kEngineBlockPointerMark = 0xF6;
constexpr WordPatch kBankOneCall = {0xB747, 0xCC05};

// Step B: the CHR bank switch calls the CHR-bank stub.
constexpr InstructionPatch kChrBankSwitchHook = {0xB81A, kJsr, 0xCBB4};

// Step C: calls into code that moves to bank 2 go through the bank-2 stubs, top to bottom.
constexpr std::array<OperandPatch, 30> kOperandRedirects = {{
    {0x8CA5, 0x813A}, {0x8CBA, 0x813A}, {0x8CCA, 0x813A}, {0x8CF7, 0x813A}, {0x8D00, 0x813A},
    {0x8D1D, 0x813A}, {0x8D5D, 0x813A}, {0x8CF0, 0x817A}, {0x8D0B, 0x8105}, {0x8D62, 0x8105},
    {0x8D22, 0x8105}, {0x8DBF, 0x8163}, {0x8DC2, 0x8198}, {0x8DEE, 0x8206}, {0x8D18, 0x8020},
    {0x8D36, 0x8020}, {0x8272, 0xCC2D}, {0x8811, 0xCC2D}, {0x8C00, 0xCC2D}, {0x932B, 0xCC2D},
    {0x9932, 0xCC2D}, {0x9A01, 0xCC2D}, {0x9A7C, 0xCC2D}, {0x9B8A, 0xCC2D}, {0x9C4A, 0xCC2D},
    {0x8222, 0xCC5A}, {0x8227, 0xCC3C}, {0x8C50, 0xCC4B}, {0xBCAB, 0xCC1E}, {0x8E08, 0xCC69},
}};
constexpr InstructionPatch kDispatchJump = {0x8DC9, kJmp, 0xCC6F};
constexpr CpuPtr kReturnPatch = 0xB754;
constexpr std::array<BlockMove, 3> kBankTwoMoves = {{
    {0x8C5A, 523, 0x8020, 522, kRts},   // code; $8E64 keeps its value
    {0x901E, 432, 0x901E, 431, 0x00},   // the object type descriptors; $91CD keeps its value
    {0xF217, 3547, 0x9521, 3546, 0x00}, // the objects list data; $FFF1 keeps its value
}};
constexpr CpuPtr kBankTwoReturnPad = 0x8000;
constexpr std::size_t kBankTwoReturnPadLength = 32;
// Three objects list pointers for each of the 32 levels and 9 bonus levels; 0 means no list.
constexpr CpuPtr kObjectsListPointers = 0xF121;
constexpr std::size_t kObjectsListPointerCount = 123;
constexpr std::uint16_t kObjectsListShift = 0x5CF6; // $F217 becomes $9521

// Step D: a routine and the level-set room data move into bank 3.
constexpr CpuPtr kLevelSetPointerTableRef = 0xBB50;
constexpr std::size_t kLevelSetCount = 12;
constexpr std::uint16_t kLevelSetDataShift = 0x59BD; // $D9FA becomes $803D
constexpr std::array<BlockMove, 2> kBankThreeMoves = {{
    {0xBD75, 61, 0x8000, 61, 0x00},
    {0xD9FA, 2118, 0x803D, 2118, 0x00},
}};
constexpr std::array<CpuPtr, 4> kBankThreeCallSites = {0xBC49, 0xBDCF, 0xBEC8, 0xBED8};
constexpr CpuPtr kBankThreeCallStub = 0xCCA2;

// Step E: two hook routines and four setting bytes at $8C5A-$8C89.
constexpr CpuPtr kHookBlockStart = 0x8C5A;
constexpr std::array<std::uint8_t, 48> kHookBlock = {
    // $8C5A: call $8203, $75 = immediate at $8C5E, and $6D from $8C89 when it is 0
    0x20, 0x03, 0x82, 0xA9, 0x00, 0x85, 0x75, 0xA5, 0x6D, 0xD0, 0x20, 0xAD, 0x89, 0x8C, 0x85, 0x6D, 0x60,
    // $8C6B: call $8977, and $37-$39 from $8C86-$8C88 when all three are 0
    0x20, 0x77, 0x89, 0xA5, 0x37, 0x05, 0x38, 0x05, 0x39, 0xD0, 0x0F, 0xAD, 0x86, 0x8C, 0x85, 0x37, 0xAD,
    0x87, 0x8C, 0x85, 0x38, 0xAD, 0x88, 0x8C, 0x85, 0x39, 0x60,
    // $8C86-$8C89: setting bytes
    0x00, 0x00, 0x00, 0x00};
constexpr std::array<OperandPatch, 2> kHookCalls = {{{0x8092, 0x8C6B}, {0x80C1, 0x8C5A}}};

// Step F: the level-set attribute bytes and a few byte patches.
constexpr CpuPtr kLevelSetByteTableRef = 0xBB92;
constexpr std::array<BytePatch, 5> kBytePatches = {{
    {0xBB95, 0x80},
    {0xBBC5, 0x07},
    {0xB163, 0x87},
    {0xBA94, 0x87},
    {0xB815, 0x07},
}};
constexpr WordPatch kChrBankTableRef = {0xB818, 0xCCF0};
constexpr std::array<std::uint8_t, 16> kChrBankTable = {0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37,
                                                        0x38, 0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F};

void SubtractFromWord(CGameImage& image, std::uint32_t address, std::uint16_t amount) {
    image.Write16(address, static_cast<std::uint16_t>(image.Read16(address) - amount));
}

void WriteInstruction(CGameImage& image, const InstructionPatch& patch) {
    image.Write8(patch.at, patch.opcode);
    image.Write16(patch.at + 1U, patch.operand);
}

template <std::size_t N>
void WriteOperands(CGameImage& image, const std::array<OperandPatch, N>& patches) {
    for (const OperandPatch& patch : patches) image.WriteOperand(patch.instruction, patch.operand);
}

// Copies the block aside and fills the place it leaves.
Bytes TakeBlock(CGameImage& image, const BlockMove& move) {
    Bytes block;
    image.ReadBlock(move.from, move.length, block);
    image.WriteBlock(move.from, Bytes(move.vacated, move.filler));
    return block;
}

void MoveEngineBlockToBankOne(CGameImage& image) {
    const Bytes block = TakeBlock(image, kEngineBlockMove);
    image.MapBank(1);
    image.WriteBlock(kEngineBlockMove.to, block);
    for (const CpuPtr instruction : kFixedBankReferencesToEngineBlock)
        SubtractFromWord(image, instruction + 1U, kEngineBlockShift);
    for (std::size_t i = 0; i < kEngineBlockPointerCount; ++i)
        SubtractFromWord(image, static_cast<std::uint32_t>(kEngineBlockPointerTable + 2 * i),
                         kEngineBlockShift);
    for (std::uint32_t p = kEngineBlockScanStart; p < kEngineBlockScanEnd;) {
        if (image.Read8(p) == kEngineBlockPointerMark) {
            SubtractFromWord(image, p + 1, kEngineBlockShift);
            p += 3;
        } else {
            ++p;
        }
    }
    WriteStubBlock(image);
    image.MapBank(0);
    image.Write16(kBankOneCall.at, kBankOneCall.value);
}

void HookChrBankSwitch(CGameImage& image) {
    image.MapBank(0);
    WriteInstruction(image, kChrBankSwitchHook);
}

void MoveCodeToBankTwo(CGameImage& image) {
    image.MapBank(0);
    WriteOperands(image, kOperandRedirects);
    WriteInstruction(image, kDispatchJump);
    WriteInterruptVectors(image);
    image.Write8(kReturnPatch, kRts);
    std::array<Bytes, kBankTwoMoves.size()> blocks;
    for (std::size_t i = 0; i < blocks.size(); ++i) blocks[i] = TakeBlock(image, kBankTwoMoves[i]);
    image.MapBank(2);
    image.WriteBlock(kBankTwoReturnPad, Bytes(kBankTwoReturnPadLength, kRts));
    for (std::size_t i = 0; i < blocks.size(); ++i) image.WriteBlock(kBankTwoMoves[i].to, blocks[i]);
    for (std::size_t i = 0; i < kObjectsListPointerCount; ++i) {
        const auto address = static_cast<std::uint32_t>(kObjectsListPointers + 2 * i);
        if (image.Read16(address) != 0) SubtractFromWord(image, address, kObjectsListShift);
    }
}

void MoveLevelSetDataToBankThree(CGameImage& image) {
    image.MapBank(0);
    const CpuPtr pointerTable = image.Read16(kLevelSetPointerTableRef);
    std::array<Bytes, kBankThreeMoves.size()> blocks;
    for (std::size_t i = 0; i < blocks.size(); ++i) blocks[i] = TakeBlock(image, kBankThreeMoves[i]);
    image.MapBank(3);
    for (std::size_t i = 0; i < blocks.size(); ++i) image.WriteBlock(kBankThreeMoves[i].to, blocks[i]);
    for (std::size_t i = 0; i < kLevelSetCount; ++i)
        SubtractFromWord(image, static_cast<std::uint32_t>(pointerTable + 2 * i), kLevelSetDataShift);
    image.MapBank(0);
    for (const CpuPtr instruction : kBankThreeCallSites) image.WriteOperand(instruction, kBankThreeCallStub);
}

void InstallHookRoutines(CGameImage& image) {
    image.MapBank(0);
    // Written as 16-bit values, each overwriting the high byte of the one before: $8C8A ends up 0.
    for (std::size_t i = 0; i < kHookBlock.size(); ++i)
        image.Write16(static_cast<std::uint32_t>(kHookBlockStart + i), kHookBlock[i]);
    WriteOperands(image, kHookCalls);
}

// Bit 7 of each level-set byte takes bit 6 in; bit 6 is cleared.
std::uint8_t MergeBitSixIntoSeven(std::uint8_t value) {
    return static_cast<std::uint8_t>((value | ((value & 0xE0) << 1)) & 0xBF);
}

void PatchLevelSetBytes(CGameImage& image) {
    const CpuPtr byteTable = image.Read16(kLevelSetByteTableRef);
    for (std::size_t i = 0; i < kLevelSetCount; ++i) {
        const auto address = static_cast<std::uint32_t>(byteTable + i);
        image.Write8(address, MergeBitSixIntoSeven(image.Read8(address)));
    }
    for (const BytePatch& patch : kBytePatches) image.Write8(patch.at, patch.value);
    image.Write16(kChrBankTableRef.at, kChrBankTableRef.value);
    image.WriteBlock(kChrBankTableRef.value, Bytes(kChrBankTable.begin(), kChrBankTable.end()));
}

Bytes ExpandedChrData(const Bytes& original) {
    Bytes run(original.begin(), original.begin() + static_cast<std::ptrdiff_t>(kChrKeptAtStart));
    run.insert(run.end(), kChrGap, 0);
    run.insert(run.end(), original.begin() + static_cast<std::ptrdiff_t>(kChrKeptAtStart), original.end());
    Bytes chr = run;
    chr.insert(chr.end(), run.begin(), run.end());
    return chr;
}

} // namespace

void MergeHeader(CNesRom& target, const std::string& fileName,
                 const std::array<std::uint8_t, kHeaderSize>& headerTemplate) {
    auto& header = target.header;
    std::copy(kInesMagic.begin(), kInesMagic.end(), header.begin());
    header[4] = static_cast<std::uint8_t>(target.prgBanks.size());
    header[5] = static_cast<std::uint8_t>(target.chrData.size() / kChrBankSize);
    header[6] = static_cast<std::uint8_t>(headerTemplate[6] & ~0x04);
    header[7] = headerTemplate[7];
    header[8] = headerTemplate[8];
    header[9] = static_cast<std::uint8_t>(headerTemplate[9] & 0x01);
    header[10] = static_cast<std::uint8_t>(0xCC | (headerTemplate[10] & 0x33));
    target.mapper = static_cast<std::uint8_t>((header[7] & 0xF0) | (header[6] >> 4));
    target.loaded = header[4] != 0 && header[5] != 0 ? 1 : 0;
    target.fileName = fileName;
}

void ConvertToExpanded(const COriginalRom& source, CGameImage& target) {
    if (source.loaded == 0) return;
    if (source.chrData.size() != kOriginalChrBytes) throw RomError(errors::kOriginalChrSize);

    std::vector<Bytes> banks(kConvertedPrgBankCount, Bytes(kPrgBankSize, 0));
    banks.front() = source.prgBanks[0];
    banks.back() = source.prgBanks[1];
    target.prgBanks = std::move(banks);
    target.chrData = ExpandedChrData(source.chrData);
    MergeHeader(target, source.FileName(), kConvertedHeaderTemplate);
    target.SetUpExpanded();

    MoveEngineBlockToBankOne(target);
    HookChrBankSwitch(target);
    MoveCodeToBankTwo(target);
    MoveLevelSetDataToBankThree(target);
    InstallHookRoutines(target);
    PatchLevelSetBytes(target);
}

} // namespace tikaroo
