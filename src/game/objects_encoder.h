#pragma once

#include "model.h"
#include "rom/bytes.h"
#include "rom/game_image.h"

#include <cstdint>

namespace tikaroo {

// Sorts `list` by x, as its stream stores it; objects at one x keep their order.
void SortObjectsList(ObjectsList& list);

// Sorts `list` by x (the model keeps the new order) and writes its stream into `out`.
void EncodeObjectsList(ObjectsList& list, Bytes& out);

// Writes the streams of every non-empty objects list (identical streams once) and the level and bonus
// objects tables; returns the first address after the tables, where the table area begins.
std::uint32_t EncodeObjects(CGameImage& image, GameTables& tables);

} // namespace tikaroo
