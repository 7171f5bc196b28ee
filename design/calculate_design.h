#pragma once
// The table geometry calculation: from the inputs in the design record to every angle, length
// and bolt hole; asks about overlapping legs, and ends with the angle report.
#include <functional>

#include "design/design_record.h"
#include "platform/prompts.h"

namespace varnloft {

// A repositioning search that has not cleared the legs after this many 0.001 ft steps gives up.
inline constexpr int kMaxRepositionSteps = 100000;

// Works on the inputs already read into `rec` (lengths in feet, counts, the lumber thickness,
// the support side). Throws DivisionByZeroError; fields written before the failing step keep
// their new values (rec.LastCalculationFailed stays true until a run completes). The angle report
// runs last, and only when every step succeeded.
void CalculateGeometry(DesignRecord& rec, Prompts& prompts,
                       const std::function<void()>& angleReport);

// The overlap question of the calculation, with its exact wording.
std::string OverlapQuestionText(const DesignRecord& rec);

}  // namespace varnloft
