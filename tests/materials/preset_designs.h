#pragma once
// Designs for the materials tests and timings, calculated from a preset's box texts by the real
// calculation, in either measure. (The one place these tests reach into the calculation.)
#include <string>

#include "design/calculate_design.h"
#include "design/design_record.h"
#include "design/form_state.h"
#include "design/preset_table.h"
#include "platform/prompts.h"

namespace varnloft::testing {

// The preset at `index` (menu order; 0 is Adult Standard), `overrides` typed over its boxes.
inline DesignRecord PresetRecord(
    size_t index, bool imperial,
    const std::vector<std::pair<std::string, std::string>>& overrides = {},
    bool supportsExterior = true) {
  FormState form;
  for (const char* name : {"Metric", "BitBtn4", "BitBtn5", "Label47"}) form.Add(name);
  for (int label = 25; label <= 31; ++label) form.Add("Label" + std::to_string(label));
  for (const auto& [box, text] : PresetBoxTexts(index, imperial)) form.Add(box).text = text;
  for (const auto& [box, text] : overrides) form.at(box).text = text;
  DesignRecord rec;
  rec.ImperialUnits = imperial;
  rec.LumberThickness = PresetDesigns().at(index).lumberThickness;
  rec.SupportsExterior = supportsExterior;
  ScriptedPrompts prompts;
  prompts.answer = Answer::No;
  CalculateDesign(form, rec, prompts, nullptr);
  return rec;
}

}  // namespace varnloft::testing
