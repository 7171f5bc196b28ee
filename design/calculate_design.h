#pragma once
// The table geometry calculation: from the inputs in the design record to every angle, length
// and bolt hole. It asks nothing: when the upper legs overlap and no answer to the overlap
// question was given, it stops and returns the question, and the caller runs it again with the
// user's answer. So a batch, a search over designs or a test can design without a person.
#include <optional>
#include <string>
#include <vector>

#include "design/design_record.h"

namespace varnloft {

// A repositioning search that has not cleared the legs after this many 0.001 ft steps gives up.
inline constexpr int kMaxRepositionSteps = 100000;

// The user's answer to the overlap question: not asked yet, Yes (reposition the legs), or No
// (Cancel counts as No: the legs stay where the formula puts them).
enum class OverlapAnswer { NotAsked, Yes, No };

struct GeometryOutcome {
  // Set when the upper legs overlap and `answer` was NotAsked: the calculation stopped before it
  // placed the legs (rec.LastCalculationFailed is still true) and waits for the answer.
  std::optional<std::string> overlapQuestion;
  // Why repositioning the legs gave up, in the order they are to be shown.
  std::vector<std::string> notices;
};

// Works on the inputs already read into `rec` (lengths in feet, counts, the lumber thickness,
// the support side), which is the calculation's output too. Throws DivisionByZeroError; fields
// written before the failing step keep their new values (rec.LastCalculationFailed stays true
// until a run completes). Running it again on the same record with the answer gives the same
// figures as one run that had the answer from the start.
GeometryOutcome CalculateGeometry(DesignRecord& rec, OverlapAnswer answer);

// The overlap question of the calculation, with its exact wording.
std::string OverlapQuestionText(const DesignRecord& rec);

}  // namespace varnloft
