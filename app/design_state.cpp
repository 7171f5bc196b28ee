#include "app/design_state.h"

#include "app/input_boxes.h"
#include "app/measure_switch.h"
#include "app/option_dialog_controls.h"
#include "app/preset_menu.h"
#include "measure/number_text.h"

namespace varnloft {

namespace {

// The thickness dialog's millimetres, when both boxes hold numbers; else as they were, as
// after the user typed a text that is not one.
void UpdateThicknessMillimetres(FormState& form) {
  double inches = 0, sixteenths = 0;
  if (!TryReadNumber(form.Text(DialogControl(kThicknessDialog, "inches")), inches) ||
      !TryReadNumber(form.Text(DialogControl(kThicknessDialog, "sixteenths")), sixteenths))
    return;
  form.Text(DialogControl(kThicknessDialog, "millimetres")) =
      FixedText((inches + sixteenths / 16) * 25.4, 0, 4);
}

}  // namespace

DesignDocument CaptureDesignState(const FormState& form, const DesignRecord& rec) {
  DesignDocument s;
  s.imperial = rec.ImperialUnits;
  for (const auto& entry : InputBoxTable()) {
    std::vector<std::string> texts;
    for (const std::string& box : entry.boxes) texts.push_back(form.Text(box));
    s.inputTexts.push_back(std::move(texts));
  }
  s.supportsExterior = form.at("exteriorSupports").checked;
  s.lumberThickness = rec.LumberThickness;
  s.thicknessInches = form.Text(DialogControl(kThicknessDialog, "inches"));
  s.thicknessSixteenths = form.Text(DialogControl(kThicknessDialog, "sixteenths"));
  s.modelScale = rec.ModelScale;
  s.scaleFactor = rec.ScaleFactor;
  s.modelMenuCaption = form.Text(kModelScaleMenuItem);
  s.presetCaption = CheckedPresetCaption(form);
  s.customDesign = rec.CustomDesignMode;
  s.statusText = form.statusPanel0;
  s.versionText = form.statusPanel1;
  s.species = form.woodSpecies;
  return s;
}

void ShowInputTexts(FormState& form, const DesignDocument& document) {
  const DesignDocument& s = document;
  const auto& table = InputBoxTable();
  for (size_t i = 0; i < table.size() && i < s.inputTexts.size(); ++i)
    for (size_t slot = 0; slot < table[i].boxes.size() && slot < s.inputTexts[i].size(); ++slot)
      form.Text(table[i].boxes[slot]) = s.inputTexts[i][slot];
}

void ApplyDesignState(FormState& form, DesignRecord& rec, const DesignDocument& document) {
  const DesignDocument& s = document;
  rec.ImperialUnits = s.imperial;
  ApplyMeasureLayout(form, s.imperial);
  // As after a design in that measure: only the other measure's button can be pressed.
  form.at("imperialButton").enabled = !s.imperial;
  form.at("metricButton").enabled = s.imperial;

  ShowInputTexts(form, s);

  ControlState& exterior = form.at("exteriorSupports");
  ControlState& interior = form.at("interiorSupports");
  exterior.checked = s.supportsExterior;
  interior.checked = !s.supportsExterior;
  exterior.color = s.supportsExterior ? kRed : kBlue;
  interior.color = s.supportsExterior ? kBlue : kRed;
  rec.SupportsExterior = s.supportsExterior;

  rec.LumberThickness = s.lumberThickness;
  form.Text(DialogControl(kThicknessDialog, "inches")) = s.thicknessInches;
  form.Text(DialogControl(kThicknessDialog, "sixteenths")) = s.thicknessSixteenths;
  UpdateThicknessMillimetres(form);

  rec.ModelScale = s.modelScale;
  rec.ScaleFactor = s.scaleFactor;
  form.Text(kModelScaleMenuItem) = s.modelMenuCaption;

  CheckOnlyPresetCaption(form, s.presetCaption);
  rec.CustomDesignMode = s.customDesign;

  form.statusPanel0 = s.statusText;
  form.statusPanel1 = s.versionText;
  form.woodSpecies = s.species;
}

void CheckOnlyPresetCaption(FormState& form, const std::string& caption) {
  const auto& captions = PresetMenuCaptions();
  for (size_t i = 0; i < captions.size(); ++i)
    if (captions[i] == caption) CheckOnlyPresetItem(form, PresetMenuItems()[i]);
}

std::string CheckedPresetCaption(const FormState& form) {
  for (const auto& name : PresetMenuItems())
    if (form.at(name).checked) return form.at(name).text;
  return "";
}

}  // namespace varnloft
