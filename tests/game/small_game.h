#pragma once

// A hand-made game of the expanded layout, small enough for the tests to know every byte that matters.
#include "game/model.h"
#include "game/table_readers.h"
#include "rom/rom_error.h"
#include "support/error_text.h"
#include "support/expanded_image.h"
#include "support/minimal_game.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tikaroo::test {

// The `count` bytes at `address` as bank `bank` shows them (the fixed bank above $C000).
inline Bytes BytesAt(CGameImage& image, int bank, CpuPtr address, std::size_t count) {
    image.MapBank(bank);
    Bytes bytes;
    image.ReadBlock(address, count, bytes);
    return bytes;
}

// Bytes from a text of '0' and '1' (spaces ignored), most significant bit first, the last byte
// padded with zero bits.
inline Bytes BitsToBytes(std::string_view bits) {
    Bytes bytes;
    int used = 0;
    for (const char bit : bits) {
        if (bit == ' ') continue;
        if (used == 0) bytes.push_back(0);
        if (bit == '1') bytes.back() |= static_cast<std::uint8_t>(0x80 >> used);
        used = (used + 1) % 8;
    }
    return bytes;
}

// The text of the error that `action` raises, or ""; it must be one of the model's texts.
template <typename Action>
std::string FailureText(Action action) {
    const std::string text = ErrorText<RomError>(action);
    EXPECT_TRUE(text.empty() || errors::IsModelErrorText(text)) << text;
    return text;
}

// The minimal game's image; each test pokes the case it checks and then reads.
class ReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        MakeExpandedImage(image);
        WriteMinimalGame(image);
    }
    GameTables ReadAll() {
        GameTables tables;
        ReadAllTables(image, tables);
        return tables;
    }
    std::string ReadAllError() {
        return FailureText([this] { ReadAll(); });
    }

    CGameImage image;
};

// The minimal game, loaded: every slot and bonus level plays level set 0 (64 zero rooms, graphic set
// 0), graphic set 0 has one room, one LineGeom, one line of each kind and one block, sets 1-6 are
// unused, an empty updater 0 that no level names, no objects.
class SmallGameTest : public ReaderTest {
protected:
    void SetUp() override {
        ReaderTest::SetUp();
        tables = ReadAll();
    }
    GraphicSet& Set0() { return tables.graphicSets.at(0); }

    GameTables tables;
};

} // namespace tikaroo::test
