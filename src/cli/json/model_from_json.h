#pragma once

#include "game/model.h"

#include <QJsonValue>

namespace tikaroo::cli {

// The tables a save writes, read from the JSON form that ModelToJson writes. Every value is checked
// against the model's limits first (ranges, counts, ids that must exist, the graphic sets' own
// references); the first bad one raises ModelJsonError with its JSON path and what is allowed. The file
// may carry the object types, which must be those of `base`: the image keeps them as they are.
GameTables ModelFromJson(const QJsonValue& document, const GameTables& base);

} // namespace tikaroo::cli
