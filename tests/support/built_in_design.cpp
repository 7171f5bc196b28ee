#include "tests/support/built_in_design.h"

#include "design/calculate_design.h"
#include "design/design_inputs.h"
#include "design/preset_table.h"
#include "platform/testing/scripted_prompts.h"

namespace varnloft::testing {

namespace {

DesignRecord Read(const InputTexts& texts, bool supportsExterior, bool imperial, float thickness) {
  DesignRecord rec;
  rec.ImperialUnits = imperial;
  rec.LumberThickness = thickness;
  rec.ScaleFactor = 1.0f;
  rec.SupportsExterior = supportsExterior;
  for (const auto& input : DesignInputs())
    rec.*(input.field) = ReadInputValue(input, texts.at(input.role), imperial);
  return rec;
}

DesignRecord Calculate(const InputTexts& texts, bool supportsExterior, bool imperial,
                       float thickness) {
  DesignRecord rec = Read(texts, supportsExterior, imperial, thickness);
  ScriptedPrompts prompts;
  prompts.answer = Answer::No;
  CalculateGeometry(rec, prompts, nullptr);
  return rec;
}

}  // namespace

DesignRecord RecordOfTexts(const InputTexts& texts, bool supportsExterior, bool imperial) {
  return Read(texts, supportsExterior, imperial, 0.125f);
}

InputTexts BuiltInTexts(bool imperial) {
  InputTexts texts;
  for (const auto& input : DesignInputs()) texts[input.role] = DefaultTexts(input, imperial);
  return texts;
}

DesignRecord CalculatedDesign(const InputTexts& texts, bool supportsExterior, bool imperial) {
  return Calculate(texts, supportsExterior, imperial, 0.125f);
}

DesignRecord PresetDesign(size_t index, bool imperial, bool supportsExterior) {
  InputTexts texts;
  for (auto& [role, slots] : PresetTexts(index, imperial)) texts[role] = slots;
  return Calculate(texts, supportsExterior, imperial, PresetDesigns().at(index).lumberThickness);
}

}  // namespace varnloft::testing
