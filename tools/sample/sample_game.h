#pragma once

#include "game/model.h"
#include "program_image.h"
#include "rom/bytes.h"

#include <vector>

namespace tikaroo::sample {

// The sample game: an iNES file of the game's original layout (mapper 3, two PRG banks, 32 KB CHR)
// that holds the game's tables and tiles but no program, and the tables that a load of it must give.
struct SampleGame {
    Bytes file;
    GameTables tables;            // the intended model, as the readers decode it after the conversion
    std::vector<WrittenRun> runs; // every run of program bytes the file holds
};

SampleGame MakeSampleGame();

// Writes `tables` into an original-layout program image at the places of sample_layout.h. The tables
// must have the shape the sample gives them (level set ids 0-11, graphic sets 0-2).
ProgramImage EncodeProgram(const GameTables& tables);

} // namespace tikaroo::sample
