#pragma once
// The fit check of the table model: every piece holds its outline area × thickness of wood, no
// two pieces share more than a rounding volume (pieces that only touch are fine), and the model's
// box is compared with the overall length × overall width × table height, a difference being a
// finding rather than a failure.
#include <cstddef>
#include <string>
#include <vector>

#include "measure/length_text.h"
#include "model3d/table_model.h"

namespace varnloft {

struct PieceOverlap {
  int a = -1, b = -1;        // piece indices, a < b
  std::string nameA, nameB;  // "Leg 1", "Leg 2"
  double volume = 0;         // cubic feet
  Vec3 where;                // the centre of the shared part, feet
};

struct FitReport {
  bool ok = false;
  std::vector<PieceOverlap> overlaps;
  std::vector<int> offending;  // pieces to mark: in an overlap or of the wrong volume
  Vec3 boundingBox;            // the model's size, feet
  std::vector<std::string> findings;
};

// The check stops listing overlaps after this many, so that a design whose boards all lie in one
// place cannot keep it busy; a finding then says that more were left unlisted.
inline constexpr size_t kMostOverlapsListed = 100;

// Two pieces may share up to this depth of wood over the larger face of the two without failing:
// the lengths of the record are floats, so faces meant to touch can miss by a rounding.
double RoundingDepth(const TableModel& model);

// Lengths in the findings are written with `lengths`, volumes in cubic inches (imperial) or
// cubic centimetres (metric).
FitReport CheckFit(const TableModel& model, const LengthSettings& lengths);

// {"ok": true|false, "overlaps": [{"a": "Leg 1", "b": "Leg 2", "volume": …}],
//  "bounding_box": [x, y, z], "findings": ["…"]}: feet and cubic feet, 17 significant digits.
std::string FitJson(const FitReport& report);

}  // namespace varnloft
