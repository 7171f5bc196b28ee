#pragma once
// Pressing Design as the main window does it: the window's document is designed, the window
// takes the tidied boxes and shows what was read, and the record becomes the outcome's.
#include <functional>

#include "app/form_state.h"
#include "design/design_record.h"
#include "platform/prompts.h"

namespace varnloft {

// Designs the window's document, asking the overlap question through `prompts` when there is
// one and showing the notices of the repositioning. The window takes the tidied boxes, the
// thickness label, the green labels (once every width was read) and the enabled flags of Metric,
// Plans and Print. Throws ProgramError with the error box's text when the design failed (the
// record then mixes the two designs and rec.LastCalculationFailed is true); runs `angleReport`
// after a design that succeeded.
void CalculateFromWindow(FormState& form, DesignRecord& rec, Prompts& prompts,
                         const std::function<void()>& angleReport);

}  // namespace varnloft
