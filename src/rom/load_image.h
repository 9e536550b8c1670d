#pragma once

#include "game_image.h"

#include <string>

namespace tikaroo {

enum class RomLayout { Expanded, Original, Unknown };

// The layout a read image is taken as: mapper 4 with 8 or 16 PRG banks and 128 KB of CHR data is
// expanded whatever its program bytes are; mapper 3 with 2 or 4 PRG banks is the game's own layout.
RomLayout DetectLayout(const CNesRom& rom);
const char* LayoutName(RomLayout layout);

// Opens `path` into the empty `image`: an expanded image is set up as it is (with the current stub
// block), an original one is read again and converted. Returns false, changing nothing, when the image
// already holds one. Raises "CNROM file corrupt" when the file is neither layout, and passes on the
// errors of the conversion; after any error the image is closed.
bool LoadGameImage(CGameImage& image, const std::string& path);

} // namespace tikaroo
