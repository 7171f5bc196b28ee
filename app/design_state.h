#pragma once
// Everything about a design that the user chose or typed, as opposed to what a design computes:
// what a design file keeps, and what an undo step must have changed to count. The boxes' texts
// are kept exactly as typed, by the input table's role names.
#include <string>
#include <vector>

#include "app/form_state.h"
#include "design/design_record.h"

namespace varnloft {

class MainWindow;

struct DesignState {
  bool imperial = true;
  // Each input's box texts, one per slot, in the order of InputBoxTable().
  std::vector<std::vector<std::string>> inputTexts;
  bool supportsExterior = true;
  float lumberThickness = 0.125f;     // feet
  std::string thicknessInches = "1";  // the lumber thickness dialog's two boxes
  std::string thicknessSixteenths = "8";
  bool modelScale = false;
  float scaleFactor = 0;
  std::string modelMenuCaption;  // the 21.4 % menu item's caption
  std::string presetCaption;     // the checked Pre-Settings item
  bool customDesign = false;
  std::string statusText;   // status panel 0; the plans take their name from it
  std::string versionText;  // status panel 1

  bool operator==(const DesignState&) const = default;
};

DesignState CaptureDesignState(const FormState& form, const DesignRecord& rec);

// The built-in Adult Standard design in the given measure, as a window starts (in imperial).
DesignState AdultStandardState(bool imperial);

// Puts a state into the window: the boxes, the measure's column layout (the boxes are not
// refilled), the options, the menu checks and the status texts. Nothing is designed.
void ApplyDesignState(MainWindow& window, const DesignState& state);

}  // namespace varnloft
