// The Pre-Settings menu: ten preset designs from one table, and Custom Design.
#include <stdexcept>

#include "app/input_boxes.h"
#include "app/main_window.h"
#include "app/option_dialogs.h"
#include "design/preset_table.h"

namespace varnloft {

namespace {

// A lumber thickness in feet, with the thickness dialog's boxes to match.
void SetLumberThickness(MainWindow& w, float feet, const std::string& inches,
                        const std::string& sixteenths) {
  w.rec.LumberThickness = feet;
  ThicknessDialog(w).SetBoxes(inches, sixteenths);
}

}  // namespace

void MainWindow::ResetLumberThickness() {
  SetLumberThickness(*this, 0.125f, "1", "8");
}

void MainWindow::ApplyPreset(const std::string& item) {
  StepScope step(*this, "Preset: " + (form.Has(item) ? form.Text(item) : item));
  if (item == "CustomDesign1") {
    ChooseCustomDesign();
    return;
  }
  const auto& presets = PresetDesigns();
  size_t index = 0;
  while (index < presets.size() && item != presets[index].menuItem) ++index;
  if (index == presets.size()) throw std::invalid_argument(item + " is not a preset");
  const PresetDesign& preset = presets[index];

  rec.CustomDesignMode = false;
  CheckOnlyPresetItem(item);
  SetLumberThickness(*this, preset.lumberThickness, preset.thicknessInches,
                     preset.thicknessSixteenths);
  // With a model scale on, its message stays in the status bar.
  if (!rec.ModelScale) form.statusPanel0 = preset.statusText;
  for (const auto& [role, texts] : PresetTexts(index, rec.ImperialUnits)) {
    const InputBoxes& entry = *BoxesOfRole(role);
    for (size_t slot = 0; slot < texts.size(); ++slot) form.Text(entry.boxes[slot]) = texts[slot];
  }
  DesignCycle();
}

}  // namespace varnloft
