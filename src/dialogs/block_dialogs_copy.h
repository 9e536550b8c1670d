#pragma once

#include "game/edit_graphic_set.h"
#include "game/model.h"

#include <vector>

namespace tikaroo {

// What the blocks editor and the block editor work on: their own copies of the graphic sets and
// palette sets, the graphic set they edit and the palette set they draw with.
struct BlockDialogsCopy {
    EditGraphicSets sets;
    std::vector<PaletteSet> palettes;
    std::size_t graphicSet = 0;
    std::size_t paletteSet = 0;

    EditGraphicSet& Set() { return sets[graphicSet]; }
};

} // namespace tikaroo
