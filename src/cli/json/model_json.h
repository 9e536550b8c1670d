#pragma once

#include "game/model.h"

#include <QJsonObject>

namespace tikaroo::cli {

// The decoded model as one JSON object: field names as in the model, every number a plain integer,
// maps as arrays in ascending id.
QJsonObject ModelToJson(const GameTables& tables);

} // namespace tikaroo::cli
