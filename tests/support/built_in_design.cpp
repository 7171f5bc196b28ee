#include "tests/support/built_in_design.h"

#include <stdexcept>

#include "design/calculate_design.h"
#include "design/design_inputs.h"
#include "design/preset_table.h"

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
                       float thickness, Answer answer = Answer::No, bool* asked = nullptr) {
  DesignRecord rec = Read(texts, supportsExterior, imperial, thickness);
  const GeometryOutcome first = CalculateGeometry(rec, OverlapAnswer::NotAsked);
  if (asked) *asked = first.overlapQuestion.has_value();
  if (first.overlapQuestion)
    CalculateGeometry(rec, answer == Answer::Yes ? OverlapAnswer::Yes : OverlapAnswer::No);
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

void ChangeTexts(InputTexts& texts, const TextChanges& changes) {
  for (const auto& [key, text] : changes) {
    const auto colon = key.find(':');
    if (colon == std::string::npos) throw std::invalid_argument("no slot in " + key);
    texts.at(key.substr(0, colon)).at(std::stoul(key.substr(colon + 1))) = text;
  }
}

DesignRecord PresetDesign(size_t index, bool imperial, bool supportsExterior,
                          const TextChanges& changes, Answer answer, bool* asked) {
  InputTexts texts;
  for (auto& [role, slots] : PresetTexts(index, imperial)) texts[role] = slots;
  ChangeTexts(texts, changes);
  return Calculate(texts, supportsExterior, imperial, PresetDesigns().at(index).lumberThickness,
                   answer, asked);
}

}  // namespace varnloft::testing
