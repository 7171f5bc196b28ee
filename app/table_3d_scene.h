#pragma once
// What the 3D view shows of the last design: the assembled table, its fit check, a message about
// it, and each piece described for the mouse pointer ("Leg 2: 2' 9 1/4" long, 2 X 4").
#include <string>
#include <vector>

#include "design/design_record.h"
#include "model3d/fit_check.h"
#include "model3d/table_model.h"

namespace varnloft {

struct Table3dScene {
  TableModel model;
  FitReport fit;
  std::vector<std::string> descriptions;  // one a piece
  // "The 24 pieces fit together.", the pieces that do not, or why nothing can be shown.
  std::string message;
  std::string details;  // every finding of the fit check, one a line

  bool HasTable() const { return !model.pieces.empty(); }
};

// Builds the model of the record's last design and checks it. After a failed calculation the
// scene has no table and its message says so.
Table3dScene SceneOf(const DesignRecord& rec);

}  // namespace varnloft
