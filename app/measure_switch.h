#pragma once
// Switching the main window between imperial and metric measure.
#include "design/form_state.h"

namespace varnloft {

// A length in feet as metres, held as a single.
float FeetToMetres(double feet);

// Moves, relabels, shows and hides the input columns for the given measure.
void ApplyMeasureLayout(FormState& form, bool imperial);

}  // namespace varnloft
