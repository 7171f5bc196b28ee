#pragma once
// Builds the assembled table from the member list of the last design.
#include "design/design_record.h"
#include "model3d/table_model.h"

namespace varnloft {

// At most this many boards are modelled in one row (deck, or one seat), as the views draw.
inline constexpr int kMaxModelledBoardsPerRow = 1000;

// Every member of the list, each copy placed and numbered. A member whose count, sizes or
// outline cannot make a solid is left out with a note saying why; after a failed calculation
// the model is empty with a note. Never throws for any record.
TableModel BuildTableModel(const DesignRecord& rec);

}  // namespace varnloft
