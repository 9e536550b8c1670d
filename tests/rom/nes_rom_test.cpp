#include "rom/nes_rom.h"

#include "support/ines_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tikaroo {
namespace {

using test::InesShape;
using test::MakeInesFile;
using test::TempDir;

TEST(NesRomRead, SplitsHeaderTrainerPrgAndChr) {
    TempDir dir;
    Bytes file = MakeInesFile({.mapper = 0x43, .prgBanks = 3, .chrBanks = 2, .trainer = true});
    file[10] = 0x77;
    CNesRom rom;
    ASSERT_EQ(rom.ReadRomFile(dir.Write("a.nes", file)), 1);
    EXPECT_EQ(rom.mapper, 0x43);
    EXPECT_EQ(rom.loaded, 1U);
    EXPECT_EQ(rom.trainer.size(), kTrainerSize);
    ASSERT_EQ(rom.prgBanks.size(), 3U);
    EXPECT_EQ(rom.prgBanks[1][5], test::PrgPattern(1, 5));
    EXPECT_EQ(rom.chrData.size(), 2 * kChrBankSize);
    EXPECT_EQ(rom.chrData[0], file[16 + 512 + 3 * kPrgBankSize]);
    EXPECT_EQ(rom.header[10], 0x77);
    EXPECT_EQ(rom.FileName(), dir.Path("a.nes"));
}

TEST(NesRomRead, RefusesBadFilesAndStaysReset) {
    TempDir dir;
    Bytes good = MakeInesFile({.prgBanks = 1, .chrBanks = 1});
    Bytes noMagic = good;
    noMagic[3] = 0x1B;
    Bytes truncated = good;
    truncated.pop_back();
    const Bytes tooShort(15, 0x4E);

    struct Case {
        const char* name;
        const Bytes& bytes;
        ImageFault fault;
    };
    for (const Case& c :
         {Case{"magic", noMagic, ImageFault::NoMagic}, Case{"short", truncated, ImageFault::Truncated},
          Case{"tiny", tooShort, ImageFault::NoHeader}}) {
        CNesRom rom;
        EXPECT_EQ(rom.ReadRomFile(dir.Write(c.name, c.bytes)), 0) << c.name;
        EXPECT_EQ(rom.LastFault(), c.fault) << c.name;
        EXPECT_EQ(rom.loaded, 0U);
        EXPECT_TRUE(rom.fileName.empty());
        EXPECT_EQ(rom.mapper, 0);
        EXPECT_TRUE(rom.prgBanks.empty());
    }
    CNesRom missing;
    EXPECT_EQ(missing.ReadRomFile(dir.Path("nothing.nes")), 0);
    EXPECT_EQ(missing.LastFault(), ImageFault::CannotOpen);
}

TEST(NesRomRead, SizeLimitIsTenMebibytes) {
    TempDir dir;
    Bytes file = MakeInesFile({.prgBanks = 1, .chrBanks = 0});
    file.resize(kMaxRomFileSize, 0xAA);
    CNesRom atLimit;
    EXPECT_EQ(atLimit.ReadRomFile(dir.Write("limit.nes", file)), 1);
    file.push_back(0);
    CNesRom overLimit;
    EXPECT_EQ(overLimit.ReadRomFile(dir.Write("over.nes", file)), 0);
    EXPECT_EQ(overLimit.LastFault(), ImageFault::TooLarge);
}

TEST(NesRomRead, SecondReadIsRefusedUntilReset) {
    TempDir dir;
    const std::string path = dir.Write("a.nes", MakeInesFile({}));
    CNesRom rom;
    ASSERT_EQ(rom.ReadRomFile(path), 1);
    EXPECT_EQ(rom.ReadRomFile(path), 0);
    EXPECT_EQ(rom.loaded, 1U);
    rom.Reset();
    EXPECT_EQ(rom.ReadRomFile(path), 1);
}

TEST(NesRomWrite, RecomputesSizesAndKeepsOtherHeaderBytes) {
    TempDir dir;
    Bytes file = MakeInesFile({.mapper = 3, .prgBanks = 2, .chrBanks = 1, .verticalMirroring = true});
    file[6] |= 0x0A; // battery and four-screen bits survive
    for (std::size_t i = 7; i < 16; ++i) file[i] = static_cast<std::uint8_t>(file[i] | (i * 3));
    file.insert(file.end(), 100, 0xEE); // beyond the declared sizes: dropped by the next write
    CNesRom rom;
    ASSERT_EQ(rom.ReadRomFile(dir.Write("in.nes", file)), 1);
    rom.prgBanks.push_back(Bytes(kPrgBankSize, 0x11));
    rom.chrData.resize(3 * kChrBankSize, 0x22);
    rom.trainer.assign(kTrainerSize, 0x33);
    ASSERT_EQ(rom.WriteRomFile(dir.Path("out.nes")), 1);
    EXPECT_EQ(rom.FileName(), dir.Path("out.nes"));

    const Bytes written = TempDir::Read(dir.Path("out.nes"));
    ASSERT_EQ(written.size(), 16 + 512 + 3 * kPrgBankSize + 3 * kChrBankSize);
    EXPECT_EQ(written[4], 3);
    EXPECT_EQ(written[5], 3);
    EXPECT_EQ(written[6], file[6] | 0x04);
    for (std::size_t i = 7; i < 16; ++i) EXPECT_EQ(written[i], file[i]) << i;
    EXPECT_EQ(written[16], 0x33);
    EXPECT_EQ(written[16 + 512 + 2 * kPrgBankSize], 0x11);
}

TEST(NesRomWrite, FailureKeepsNameAndOldFile) {
    TempDir dir;
    const std::string path = dir.Write("in.nes", MakeInesFile({}));
    CNesRom rom;
    ASSERT_EQ(rom.ReadRomFile(path), 1);
    EXPECT_EQ(rom.WriteRomFile(dir.Path("no/such/folder/out.nes")), 0);
    EXPECT_EQ(rom.FileName(), path);

    // A folder standing where the file should go: the write fails and nothing is left behind.
    std::filesystem::create_directory(dir.Path("taken.nes"));
    EXPECT_EQ(rom.WriteRomFile(dir.Path("taken.nes")), 0);
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path("taken.nes")));
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path(""))) ++entries;
    EXPECT_EQ(entries, 2U);

    CNesRom empty;
    EXPECT_EQ(empty.WriteRomFile(dir.Path("empty.nes")), 0);
}

TEST(NesRomWrite, ReplacesAnExistingFileWhole) {
    TempDir dir;
    const Bytes original = MakeInesFile({.prgBanks = 2, .chrBanks = 4});
    const std::string path = dir.Write("game.nes", original);
    CNesRom rom;
    ASSERT_EQ(rom.ReadRomFile(path), 1);
    rom.prgBanks.pop_back();
    ASSERT_EQ(rom.WriteRomFile(), 1);
    EXPECT_EQ(TempDir::Read(path).size(), original.size() - kPrgBankSize);
}

TEST(NesRomWrite, WritesThroughASymbolicLinkAndKeepsThePermissionBits) {
    TempDir dir;
    namespace fs = std::filesystem;
    const std::string real = dir.Write("real.nes", Bytes(10, 1));
    const fs::perms userAndGroupRead = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(real, userAndGroupRead);
    fs::create_directory(dir.Path("links"));
    fs::create_symlink("../real.nes", dir.Path("links/game.nes"));
    CNesRom rom;
    ASSERT_EQ(rom.ReadRomFile(dir.Write("in.nes", MakeInesFile({}))), 1);

    ASSERT_EQ(rom.WriteRomFile(dir.Path("links/game.nes")), 1);
    EXPECT_TRUE(fs::is_symlink(dir.Path("links/game.nes")));
    EXPECT_EQ(TempDir::Read(real), MakeInesFile({}));
    ASSERT_EQ(rom.WriteRomFile(real), 1);
    EXPECT_EQ(fs::status(real).permissions(), userAndGroupRead);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path("")), fs::directory_iterator()), 3);
}

TEST(NesRomWrite, WritesInPlaceWhereNoTemporaryFileFitsBeside) {
    TempDir dir;
    // The temporary name beside this one would be longer than a file name may be.
    const std::string path = dir.Write(std::string(250, 'n') + ".nes", Bytes(10, 1));
    CNesRom rom;
    ASSERT_EQ(rom.ReadRomFile(dir.Write("in.nes", MakeInesFile({}))), 1);
    ASSERT_EQ(rom.WriteRomFile(path), 1);
    EXPECT_EQ(TempDir::Read(path), MakeInesFile({}));
}

} // namespace
} // namespace tikaroo
