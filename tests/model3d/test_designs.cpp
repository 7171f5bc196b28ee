#include "test_designs.h"

#include <stdexcept>

#include "design/calculate_design.h"
#include "design/preset_table.h"
#include "platform/testing/scripted_prompts.h"
#include "tests/support/built_in_design.h"

namespace varnloft::testing {

namespace {

DesignRecord Calculate(DesignRecord rec, Answer answer, bool* asked) {
  ScriptedPrompts prompts;
  prompts.answer = answer;
  CalculateGeometry(rec, prompts, nullptr);
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
  InputTexts texts = BuiltInTexts();
  for (const auto& [key, text] : changes) {
    const auto colon = key.find(':');
    if (colon == std::string::npos) throw std::invalid_argument("no slot in " + key);
    texts.at(key.substr(0, colon)).at(std::stoul(key.substr(colon + 1))) = text;
  }
  return Calculate(RecordOfTexts(texts, supportsExterior), answer, nullptr);
}

DesignRecord PresetTable(size_t index, bool imperial, bool supportsExterior, bool* asked) {
  InputTexts texts;
  for (auto& [role, slots] : PresetTexts(index, imperial)) texts[role] = slots;
  DesignRecord rec = RecordOfTexts(texts, supportsExterior, imperial);
  rec.LumberThickness = PresetDesigns().at(index).lumberThickness;
  return Calculate(rec, Answer::No, asked);
}

}  // namespace varnloft::testing
