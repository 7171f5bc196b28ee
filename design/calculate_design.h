#pragma once
// The table geometry calculation: reads the main window's boxes, writes the design record and
// the controls it owns, asks about overlapping legs, and ends with the angle report.
#include <functional>

#include "design/design_record.h"
#include "design/form_state.h"
#include "platform/prompts.h"

namespace varnloft {

// A repositioning search that has not cleared the legs after this many 0.001 ft steps gives up.
inline constexpr int kMaxRepositionSteps = 100000;

// Throws ConversionError, DivisionByZeroError or ProgramError; fields written before the failing
// step keep their new values (rec.LastCalculationFailed stays true until a run completes).
void CalculateDesign(FormState& form, DesignRecord& rec, Prompts& prompts,
                     const std::function<void()>& angleReport);

// The overlap question of the calculation, with its exact wording.
std::string OverlapQuestionText(const DesignRecord& rec);

}  // namespace varnloft
