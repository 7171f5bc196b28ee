// The Pre-Settings menu: ten preset designs from one table, and Custom Design.
#include <stdexcept>

#include "app/input_boxes.h"
#include "app/option_dialogs.h"
#include "app/preset_commands.h"
#include "app/preset_menu.h"
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

void PresetCommands::ResetLumberThickness() {
  SetLumberThickness(w_, 0.125f, "1", "8");
}

void PresetCommands::ApplyPreset(const std::string& item) {
  MainWindow::StepScope step(w_, "Preset: " + (w_.form.Has(item) ? w_.form.Text(item) : item));
  if (item == "CustomDesign1") {
    ChooseCustomDesign();
    return;
  }
  const auto& presets = PresetDesigns();
  size_t index = 0;
  while (index < presets.size() && item != presets[index].menuItem) ++index;
  if (index == presets.size()) throw std::invalid_argument(item + " is not a preset");
  const PresetDesign& preset = presets[index];

  w_.rec.CustomDesignMode = false;
  CheckOnlyPresetItem(item);
  SetLumberThickness(w_, preset.lumberThickness, preset.thicknessInches,
                     preset.thicknessSixteenths);
  // With a model scale on, its message stays in the status bar.
  if (!w_.rec.ModelScale) w_.form.statusPanel0 = preset.statusText;
  for (const auto& [role, texts] : PresetTexts(index, w_.rec.ImperialUnits)) {
    const InputBoxes& entry = *BoxesOfRole(role);
    for (size_t slot = 0; slot < texts.size(); ++slot)
      w_.form.Text(entry.boxes[slot]) = texts[slot];
  }
  w_.DesignCycle();
}

void PresetCommands::CheckOnlyPresetItem(const std::string& item) {
  varnloft::CheckOnlyPresetItem(w_.form, item);
}

void PresetCommands::ChooseCustomDesign() {
  w_.rec.CustomDesignMode = true;
  if (!w_.rec.ModelScale) w_.form.statusPanel0 = "Custom Design Table";
  CheckOnlyPresetItem("CustomDesign1");
}

}  // namespace varnloft
