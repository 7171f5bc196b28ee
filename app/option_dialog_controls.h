#pragma once
// The two option dialogs' controls in the main window's form state: "thicknessDialog.inches",
// "scaleDialog.percentage", ...; the controls "thicknessDialog" and "scaleDialog" stand for the
// dialogs themselves (visible while open).
#include <string>

#include "app/form_state.h"

namespace varnloft {

inline constexpr char kThicknessDialog[] = "thicknessDialog";
inline constexpr char kScaleDialog[] = "scaleDialog";

// "thicknessDialog" + "inches" -> "thicknessDialog.inches"
std::string DialogControl(const std::string& dialog, const std::string& control);

// Adds both dialogs' controls to the form, closed, with their start texts.
void AddOptionDialogControls(FormState& form);

}  // namespace varnloft
