#pragma once

#include "game/model.h"
#include "rom/bytes.h"
#include "rom/game_image.h"
#include "rom/rom_error.h"
#include "support/error_text.h"
#include "support/minimal_game.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace tikaroo::test {

// The minimal game, loaded: every slot and bonus level plays level set 0 (64 zero rooms, graphic set
// 0), graphic set 0 has one room, one LineGeom, one line of each kind and one block, sets 1-6 are
// unused, an empty updater 0 that no level names, no objects.
void MakeSmallGame(CGameImage& image, GameTables& tables);

// Bytes from a text of '0' and '1' (spaces ignored), most significant bit first, the last byte
// padded with zero bits.
Bytes BitsToBytes(std::string_view bits);

// The `count` bytes at `address` as bank `bank` shows them (the fixed bank above $C000).
Bytes BytesAt(CGameImage& image, int bank, CpuPtr address, std::size_t count);

// The text of the error that `action` raises, or ""; it must be one of the model's texts.
template <typename Action>
std::string FailureText(Action action) {
    const std::string text = ErrorText<RomError>(action);
    EXPECT_TRUE(text.empty() || errors::IsModelErrorText(text)) << text;
    return text;
}

} // namespace tikaroo::test
