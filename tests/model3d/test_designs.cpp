#include "test_designs.h"

#include <utility>
#include <vector>

#include "design/calculate_design.h"
#include "design/form_state.h"
#include "design/preset_table.h"
#include "tests/drawing/built_in_design.h"

namespace varnloft::testing {

namespace {

DesignRecord Calculate(const std::vector<std::pair<std::string, std::string>>& boxes, bool imperial,
                       float thickness, bool supportsExterior, Answer answer, bool* asked) {
  FormState form;
  for (const char* name : {"Metric", "BitBtn4", "BitBtn5", "Label47"}) form.Add(name);
  for (int label = 25; label <= 31; ++label) form.Add("Label" + std::to_string(label));
  for (const auto& [box, text] : boxes) form.Add(box).text = text;

  DesignRecord rec;
  rec.ImperialUnits = imperial;
  rec.LumberThickness = thickness;
  rec.SupportsExterior = supportsExterior;
  ScriptedPrompts prompts;
  prompts.answer = answer;
  CalculateDesign(form, rec, prompts, nullptr);
  if (asked) {
    *asked = false;
    for (const ShownBox& box : prompts.shown) *asked = *asked || box.kind == "question";
  }
  return rec;
}

}  // namespace

DesignRecord BuiltInTable(bool supportsExterior) {
  return BuiltInTableWith({}, supportsExterior);
}

DesignRecord BuiltInTableWith(const std::map<std::string, std::string>& changes,
                              bool supportsExterior, Answer answer) {
  std::map<std::string, std::string> boxes = BuiltInBoxes();
  for (const auto& [box, text] : changes) boxes[box] = text;
  return Calculate({boxes.begin(), boxes.end()}, true, 0.125f, supportsExterior, answer, nullptr);
}

DesignRecord PresetTable(size_t index, bool imperial, bool supportsExterior, bool* asked) {
  return Calculate(PresetBoxTexts(index, imperial), imperial,
                   PresetDesigns().at(index).lumberThickness, supportsExterior, Answer::No, asked);
}

}  // namespace varnloft::testing
