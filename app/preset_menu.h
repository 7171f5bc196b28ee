#pragma once
// The Pre-Settings menu's items and the Options menu's model-scale item in the window's state.
#include <string>
#include <vector>

#include "app/form_state.h"

namespace varnloft {

// The Options menu's 21.4 % model-scale item.
inline constexpr char kModelScaleMenuItem[] = "modelScaleItem";
// The Pre-Settings menu's last item.
inline constexpr char kCustomDesignMenuItem[] = "CustomDesign1";

// Names of the Pre-Settings menu items, in menu order (the ten presets, then Custom Design),
// beside PresetMenuCaptions().
const std::vector<std::string>& PresetMenuItems();

// Checks the named Pre-Settings item and unchecks the others.
void CheckOnlyPresetItem(FormState& form, const std::string& item);

}  // namespace varnloft
