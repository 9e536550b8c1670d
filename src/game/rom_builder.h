#pragma once

#include "model.h"
#include "rom/game_image.h"

#include <string>

namespace tikaroo {

// Packs every table of the model into the image: the fixed-place settings, then the objects, level
// set, palette and graphic set encoders, and fills the unused rest of the table area. Raises on
// failure, leaving the image half built; the model keeps the changes the encoders made (unused level
// sets and updaters dropped and renumbered, objects lists sorted).
void BuildImage(CGameImage& image, GameTables& tables);

// The whole save: builds the image and writes it to `path` (the current file name when empty). A
// failed build puts the image back as it was and raises the failure's text; a failed write raises
// "Write error" and keeps the built image. Does nothing when no image is loaded.
void SaveGameImage(CGameImage& image, GameTables& tables, const std::string& path = {});

} // namespace tikaroo
