#pragma once

#include "picture_writer.h"

#include <functional>
#include <vector>

namespace tikaroo::cli {

using OutcomeReport = std::function<void(const PictureTarget& target, const PictureOutcome& outcome)>;

// Writes `targets` on every core, each thread with a writer of its own, taking them in their order.
// `report` runs in the calling thread with each outcome in the targets' order, whatever order they finish
// in, up to and including the first picture that was not written; no picture is started after that one,
// and those already under way are finished before this returns.
void WritePictures(const CGameRom& rom, const MarkerSheetSet& sheets, PictureSettings settings,
                   const std::vector<PictureTarget>& targets, const OutcomeReport& report);

} // namespace tikaroo::cli
