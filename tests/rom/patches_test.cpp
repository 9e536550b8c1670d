#include "rom/bps_format.h"
#include "rom/bps_patch.h"
#include "rom/ips_patch.h"
#include "rom/patch_error.h"
#include "rom/patch_formats.h"
#include "sample_game.h"
#include "support/error_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>

namespace tikaroo {
namespace {

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes With(Bytes bytes, std::size_t at, std::initializer_list<std::uint8_t> values) {
    std::copy(values.begin(), values.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    return bytes;
}

struct KnownPatch {
    const char* name;
    Bytes original;
    Bytes edited;
    Bytes patch;
};

TEST(IpsPatch, SmallPairsGiveTheseRecords) {
    const Bytes zeros(20, 0);
    const Bytes endMarkArea(0x454F48, 0);
    const KnownPatch cases[] = {
        {"unchanged", zeros, zeros, Text("PATCHEOF")},
        {"one byte", zeros, With(zeros, 2, {7}), Concat({Text("PATCH"), {0, 0, 2, 0, 1, 7}, Text("EOF")})},
        {"two changes close together are one record", zeros, With(zeros, 1, {5, 0, 0, 6}),
         Concat({Text("PATCH"), {0, 0, 1, 0, 4, 5, 0, 0, 6}, Text("EOF")})},
        {"a run", zeros, With(zeros, 5, {9, 9, 9, 9, 9}),
         Concat({Text("PATCH"), {0, 0, 5, 0, 0, 0, 5, 9}, Text("EOF")})},
        {"a run after new bytes", zeros, With(zeros, 2, {1, 2, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4}),
         Concat({Text("PATCH"), {0, 0, 2, 0, 3, 1, 2, 3, 0, 0, 5, 0, 0, 0, 9, 4}, Text("EOF")})},
        {"longer", {1, 2}, {1, 2, 3}, Concat({Text("PATCH"), {0, 0, 2, 0, 1, 3}, Text("EOF")})},
        {"shorter", {1, 2, 3}, {1, 2}, Concat({Text("PATCHEOF"), {0, 0, 2}})},
        {"a record never starts where its offset reads EOF", endMarkArea, With(endMarkArea, 0x454F46, {1}),
         Concat({Text("PATCH"), {0x45, 0x4F, 0x45, 0, 2, 0, 1}, Text("EOF")})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MakeIpsPatch(c.original, c.edited), c.patch);
        EXPECT_EQ(ApplyIpsPatch(c.original, c.patch), c.edited);
    }
}

TEST(BpsPatch, SmallPairsGiveTheseActions) {
    const Bytes eight{1, 2, 3, 4, 5, 6, 7, 8};
    const KnownPatch cases[] = {
        {"a source read", eight, eight,
         Concat({Text("BPS1"),
                 {0x88, 0x88, 0x80, 0x9C},
                 {0xC5, 0x88, 0xCA, 0x3F, 0xC5, 0x88, 0xCA, 0x3F, 0x4B, 0x6A, 0x4F, 0x18}})},
        {"a new byte repeated by a target copy",
         {1, 2, 3, 4},
         {9, 9, 9, 9, 9, 9},
         Concat({Text("BPS1"),
                 {0x84, 0x86, 0x80, 0x81, 0x09, 0x93, 0x80},
                 {0xCD, 0xFB, 0x3C, 0xB6, 0xF2, 0xE5, 0x1A, 0x41, 0x98, 0x07, 0xF4, 0xBB}})},
        {"source copies forwards and back",
         eight,
         {5, 6, 7, 8, 1, 2, 3, 4},
         Concat({Text("BPS1"),
                 {0x88, 0x88, 0x80, 0x8E, 0x88, 0x8E, 0x91},
                 {0xC5, 0x88, 0xCA, 0x3F, 0x9F, 0xBB, 0x1F, 0xF4, 0x7E, 0xB4, 0xC0, 0x80}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MakeBpsPatch(c.original, c.edited), c.patch);
        EXPECT_EQ(ApplyBpsPatch(c.original, c.patch), c.edited);
    }
}

// Changes `count` stretches of up to 40 bytes, each byte either one value of the stretch or noise.
void Scatter(Bytes& bytes, std::size_t count, std::mt19937& random) {
    for (std::size_t i = 0; i < count && !bytes.empty(); ++i) {
        const std::size_t at = random() % bytes.size();
        const std::size_t length = std::min<std::size_t>(1 + random() % 40, bytes.size() - at);
        const auto value = static_cast<std::uint8_t>(random());
        for (std::size_t k = 0; k < length; ++k)
            bytes[at + k] = random() % 2 == 0 ? value : static_cast<std::uint8_t>(random());
    }
}

// Edits of the sample image, applied back from a patch of each format.
TEST(Patches, EachFormatAppliedBackGivesTheEditedFile) {
    const Bytes original = sample::MakeSampleGame().file;
    const struct {
        const char* name;
        std::function<void(Bytes&, std::mt19937&)> edit;
    } edits[] = {
        {"unchanged", [](Bytes&, std::mt19937&) {}},
        {"scattered", [](Bytes& bytes, std::mt19937& random) { Scatter(bytes, 300, random); }},
        {"longer, with long runs around the offset that reads EOF",
         [](Bytes& bytes, std::mt19937& random) {
             Scatter(bytes, 50, random);
             bytes.resize(0x454F46 + 100000, 0);
             std::fill_n(bytes.begin() + 0x454F46, 70000, std::uint8_t{0xA5});
             bytes[0x454F46 + 80000] ^= 1;
         }},
        {"shorter",
         [](Bytes& bytes, std::mt19937& random) {
             Scatter(bytes, 50, random);
             bytes.resize(bytes.size() / 3);
         }},
        {"emptied", [](Bytes& bytes, std::mt19937&) { bytes.clear(); }},
        {"pieces moved",
         [](Bytes& bytes, std::mt19937& random) {
             std::rotate(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 3),
                         bytes.end());
             std::reverse(bytes.begin() + 1000, bytes.begin() + 3000);
             Scatter(bytes, 20, random);
         }},
    };
    for (const auto& edit : edits) {
        std::mt19937 random(7);
        Bytes edited = original;
        edit.edit(edited, random);
        for (const char* name : {"a.ips", "b.BPS"}) {
            const PatchFormat& format = *PatchFormatForName(name);
            SCOPED_TRACE(std::string(edit.name) + " " + std::string(format.name));
            const Bytes patch = format.make(original, edited);
            EXPECT_EQ(PatchFormatOf(patch), &format);
            EXPECT_TRUE(format.apply(original, patch) == edited);
        }
    }
}

TEST(Patches, DamagedPatchesAndOtherOriginalsAreRefused) {
    std::mt19937 random(3);
    const Bytes original = sample::MakeSampleGame().file;
    Bytes edited = original;
    Scatter(edited, 20, random);
    const Bytes bps = MakeBpsPatch(original, edited);
    const Bytes ips = MakeIpsPatch(original, edited);

    Bytes otherOriginal = original;
    otherOriginal[100] ^= 1;
    Bytes flipped = bps;
    flipped[bps.size() / 2] ^= 0x10;
    // An action that copies from the target before anything was written, under a correct patch checksum.
    const Bytes readsAhead =
        Concat({Text("BPS1"),
                {0x80, 0x84, 0x80, 0x8F, 0x80},
                {0x00, 0x00, 0x00, 0x00, 0x1C, 0xDF, 0x44, 0x21, 0xC2, 0xF1, 0x86, 0xA0}});
    // A wrong checksum of the result, under a correct patch checksum.
    Bytes wrongResult = bps;
    wrongResult[bps.size() - 8] ^= 1;
    wrongResult.resize(bps.size() - 4);
    bps::PutCrc32(wrongResult, bps::Crc32(wrongResult));
    using namespace patch_errors;
    const struct {
        const char* name;
        std::function<void()> apply;
        const char* error;
    } cases[] = {
        {"BPS of another original", [&] { ApplyBpsPatch(otherOriginal, bps); }, kOtherSource},
        {"BPS with a flipped bit", [&] { ApplyBpsPatch(original, flipped); }, kBpsCorrupt},
        {"BPS cut short", [&] { ApplyBpsPatch(original, std::span(bps).first(bps.size() - 1)); },
         kBpsCorrupt},
        {"BPS reading the target ahead", [&] { ApplyBpsPatch({}, readsAhead); }, kBpsCorrupt},
        {"BPS giving another result", [&] { ApplyBpsPatch(original, wrongResult); }, kTargetChecksum},
        {"IPS as BPS", [&] { ApplyBpsPatch(original, ips); }, kNotBps},
        {"BPS as IPS", [&] { ApplyIpsPatch(original, bps); }, kNotIps},
        {"IPS cut short", [&] { ApplyIpsPatch(original, std::span(ips).first(ips.size() - 1)); },
         kIpsCorrupt},
        {"IPS run of no bytes",
         [&] {
             ApplyIpsPatch(original, Concat({Text("PATCH"), {0, 0, 1, 0, 0, 0, 0, 7}, Text("EOF")}));
         },
         kIpsCorrupt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(test::ErrorText<PatchError>(c.apply), c.error);
    }
}

} // namespace
} // namespace tikaroo
