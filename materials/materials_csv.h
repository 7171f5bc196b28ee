#pragma once
// The materials as one CSV table for a spreadsheet: a header, then one row per setting, stock
// length, shopping-list line (the boards of one lumber and length), piece, board, cut, hardware
// line, missing piece, near miss and total, told apart by the first column. Lengths in feet and
// numbers as in the JSON file; an empty cell where the JSON has null.
#include <string>
#include <vector>

#include "materials/materials.h"

namespace varnloft {

// The header's columns, in order.
const std::vector<std::string>& MaterialsCsvColumns();

std::string MaterialsCsv(const Materials& materials);

}  // namespace varnloft
