#include "nes_colors.h"

namespace tikaroo {

namespace {
NesColourTable activeColours = NesColorSet;
} // namespace

const NesColourTable& ActiveNesColours() {
    return activeColours;
}

void SetActiveNesColours(const NesColourTable& colours) {
    activeColours = colours;
}

} // namespace tikaroo
