#include "rom/nes_rom.h"

#include "support/ines_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tikaroo {
namespace {

namespace fs = std::filesystem;
using test::MakeInesFile;
using test::TempDir;

TEST(NesRomRead, SplitsTheFileAndRefusesASecondReadUntilReset) {
    TempDir dir;
    const std::string path =
        dir.Write("a.nes", MakeInesFile({.mapper = 0x43, .prgBanks = 3, .trainer = true}));
    CNesRom rom;
    ASSERT_EQ(rom.ReadRomFile(path), 1);
    EXPECT_EQ(rom.mapper, 0x43);
    EXPECT_EQ(rom.trainer.size(), kTrainerSize);
    ASSERT_EQ(rom.prgBanks.size(), 3U);
    EXPECT_EQ(rom.prgBanks[1][5], test::PrgPattern(1, 5));
    EXPECT_EQ(rom.ReadRomFile(path), 0);
    rom.Reset();
    EXPECT_EQ(rom.ReadRomFile(path), 1);
}

TEST(NesRomRead, RefusesBadFilesNamingTheFault) {
    TempDir dir;
    const Bytes good = MakeInesFile({.prgBanks = 1, .chrBanks = 1});
    Bytes noMagic = good;
    noMagic[3] = 0x1B;
    const Bytes truncated(good.begin(), good.end() - 1);
    Bytes atLimit = good;
    atLimit.resize(kMaxRomFileSize, 0xAA);
    Bytes overLimit = atLimit;
    overLimit.push_back(0);
    const Bytes tiny(15, 0x4E);
    const struct {
        const char* name;
        const Bytes* bytes; // none: the file does not exist
        ImageFault fault;
    } cases[] = {{"magic", &noMagic, ImageFault::NoMagic},
                 {"short", &truncated, ImageFault::Truncated},
                 {"tiny", &tiny, ImageFault::NoHeader},
                 {"at limit", &atLimit, ImageFault::None},
                 {"over limit", &overLimit, ImageFault::TooLarge},
                 {"missing", nullptr, ImageFault::CannotOpen}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CNesRom rom;
        EXPECT_EQ(rom.ReadRomFile(c.bytes ? dir.Write(c.name, *c.bytes) : dir.Path(c.name)),
                  c.fault == ImageFault::None ? 1 : 0);
        EXPECT_EQ(rom.LastFault(), c.fault);
    }
}

TEST(NesRomWrite, RecomputesSizesKeepsOtherHeaderBytesAndReplacesTheFileWhole) {
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
    const std::string out = dir.Write("out.nes", Bytes(0x100000, 0xEE));
    ASSERT_EQ(rom.WriteRomFile(out), 1);
    EXPECT_EQ(rom.FileName(), out);

    const Bytes written = TempDir::Read(out);
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
    // A folder standing where the file should go: the write fails and nothing is left behind.
    fs::create_directory(dir.Path("taken.nes"));
    EXPECT_EQ(rom.WriteRomFile(dir.Path("taken.nes")), 0);
    EXPECT_EQ(rom.FileName(), path);
    EXPECT_TRUE(fs::is_directory(dir.Path("taken.nes")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path("")), fs::directory_iterator()), 2);
    EXPECT_EQ(CNesRom().WriteRomFile(dir.Path("empty.nes")), 0);
}

TEST(NesRomWrite, WritesThroughALinkKeepsPermissionBitsAndWritesInPlaceWhereNoTemporaryFits) {
    TempDir dir;
    const std::string real = dir.Write("real.nes", Bytes(10, 1));
    const fs::perms userAndGroupRead = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(real, userAndGroupRead);
    fs::create_directory(dir.Path("links"));
    fs::create_symlink("../real.nes", dir.Path("links/game.nes"));
    // The temporary name beside this one would be longer than a file name may be.
    const std::string longName = dir.Write(std::string(250, 'n') + ".nes", Bytes(0x20000, 1));
    CNesRom rom;
    ASSERT_EQ(rom.ReadRomFile(dir.Write("in.nes", MakeInesFile({}))), 1);

    ASSERT_EQ(rom.WriteRomFile(dir.Path("links/game.nes")), 1);
    EXPECT_TRUE(fs::is_symlink(dir.Path("links/game.nes")));
    EXPECT_EQ(TempDir::Read(real), MakeInesFile({}));
    ASSERT_EQ(rom.WriteRomFile(real), 1);
    EXPECT_EQ(fs::status(real).permissions(), userAndGroupRead);
    ASSERT_EQ(rom.WriteRomFile(longName), 1);
    EXPECT_EQ(TempDir::Read(longName), MakeInesFile({}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path("")), fs::directory_iterator()), 4);
}

// Each write over a file keeps that file as FILE.bak; a backup that cannot be written stops the write.
TEST(NesRomWrite, KeepsTheReplacedFileAsBackup) {
    TempDir dir;
    const std::string path = dir.Path("game.nes"), backup = path + ".bak";
    CNesRom rom;
    ASSERT_EQ(rom.ReadRomFile(dir.Write("in.nes", MakeInesFile({.prgBanks = 4}))), 1);
    rom.backupOnWrite = true;
    ASSERT_EQ(rom.WriteRomFile(path), 1);
    EXPECT_FALSE(fs::exists(backup));         // nothing was replaced
    for (int write = 0; write < 2; ++write) { // the backup is always the file just replaced
        const Bytes replaced = TempDir::Read(path);
        rom.prgBanks.pop_back();
        ASSERT_EQ(rom.WriteRomFile(), 1);
        EXPECT_EQ(TempDir::Read(backup), replaced);
    }

    const Bytes kept = TempDir::Read(path);
    fs::remove(backup);
    fs::create_directory(backup);
    rom.prgBanks.pop_back();
    EXPECT_EQ(rom.WriteRomFile(), 0);
    EXPECT_EQ(TempDir::Read(path), kept);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path("")), fs::directory_iterator()), 3);
}

} // namespace
} // namespace tikaroo
