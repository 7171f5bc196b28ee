#pragma once
// Pressing Design as the main window does it: the boxes are tidied and read into the design
// record, the window shows what was read, then the geometry is calculated.
#include <functional>

#include "app/form_state.h"
#include "design/design_record.h"
#include "platform/prompts.h"

namespace varnloft {

// Tidies the boxes (an end cap wider than a 2 X 4 is cut back, a known deck width names its
// size, blank boxes read 0), writes the thickness label, the green labels and the enabled flags
// of Metric, Plans and Print, and reads every input into `rec` in the order of the input table.
// Each field is written as it is read, so an error leaves the fields read before it.
void ReadDesignInputs(FormState& form, DesignRecord& rec);

// ReadDesignInputs, then CalculateGeometry with the angle report. Every window write happens
// before the geometry; rec.LastCalculationFailed stays true when either stops on an error.
void CalculateFromWindow(FormState& form, DesignRecord& rec, Prompts& prompts,
                         const std::function<void()>& angleReport);

}  // namespace varnloft
