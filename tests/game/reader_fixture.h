#pragma once

#include "game/table_readers.h"
#include "rom/rom_error.h"
#include "support/error_text.h"
#include "support/expanded_image.h"
#include "support/minimal_game.h"

#include <gtest/gtest.h>

#include <string>

namespace tikaroo::test {

// A hand-made expanded image holding the minimal game; each test pokes the case it checks.
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

    // The text of the error that reading all tables raises, or "" when it succeeds.
    std::string ReadAllError() {
        return ErrorText<RomError>([this] { ReadAll(); });
    }

    CGameImage image;
};

} // namespace tikaroo::test
