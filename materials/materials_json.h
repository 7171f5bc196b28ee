#pragma once
// The materials as the driver's JSON file: lengths in feet as in the design record, money in the
// currency's units, numbers with 17 significant digits (null where there is none).
#include <string>

#include "materials/materials.h"

namespace varnloft {

// {"materials": {...}} and a newline; a materials list that could not be made gives
// {"materials": {"problem": "..."}}.
std::string MaterialsJson(const Materials& materials);

}  // namespace varnloft
