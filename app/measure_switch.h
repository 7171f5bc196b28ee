#pragma once
// Switching the main window between imperial and metric measure.
#include "app/form_state.h"

namespace varnloft {

// Moves, relabels, shows and hides the input columns for the given measure.
void ApplyMeasureLayout(FormState& form, bool imperial);

}  // namespace varnloft
