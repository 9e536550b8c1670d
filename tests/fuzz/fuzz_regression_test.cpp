// The inputs with which the fuzzers once found faults, kept as IPS patches of the sample game image they
// grew from (NAME.original.ips: the sample as made; NAME.expanded.ips: the sample opened and written in
// the expanded layout). Every fuzz check runs on each.
#include "fuzz_checks.h"
#include "rom/ips_patch.h"
#include "rom/load_image.h"
#include "sample_game.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tikaroo {
namespace {

namespace fs = std::filesystem;

Bytes ExpandedSample(const Bytes& original) {
    test::TempDir dir;
    CGameImage image;
    LoadGameImage(image, dir.Write("original.nes", original));
    image.SaveImage(dir.Path("expanded.nes"));
    return test::TempDir::Read(dir.Path("expanded.nes"));
}

void RunChecks(const Bytes& input, void (*check)(CGameRom&)) {
    try {
        CGameRom rom;
        if (fuzz::OpenInput(input, rom)) check(rom);
    } catch (const fuzz::Finding& finding) {
        ADD_FAILURE() << finding.what;
    }
}

TEST(FuzzRegressions, EveryCheckPassesOnEveryInput) {
    const Bytes original = sample::MakeSampleGame().file;
    const Bytes expanded = ExpandedSample(original);
    std::size_t inputs = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(TIKAROO_FUZZ_REGRESSIONS)) {
        const fs::path path = entry.path();
        SCOPED_TRACE(path.filename().string());
        const bool fromExpanded = path.stem().extension() == ".expanded";
        const Bytes input =
            ApplyIpsPatch(fromExpanded ? expanded : original, test::TempDir::Read(path.string()));
        for (const auto check : {fuzz::DrawEveryLevel, fuzz::SaveAndReopen, fuzz::ApplyGraphicSetsUnchanged})
            RunChecks(input, check);
        ++inputs;
    }
    EXPECT_GT(inputs, 0u);
}

} // namespace
} // namespace tikaroo
