#pragma once

#include "rom/picture_records.h"

#include <cstdint>

namespace tikaroo::art {

// The editor's own marker for an image number: a shape and colour per family of objects with the object
// id in hex on it, the big letters A-E for the area letters, and for bridges one colour per tileset.
PictureRecord DrawObjectPicture(std::uint8_t slot);

} // namespace tikaroo::art
