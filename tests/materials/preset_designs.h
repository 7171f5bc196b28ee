#pragma once
// Designs for the materials tests and timings: a preset's texts, some of them changed, read and
// calculated by the real geometry, in either measure.
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "design/calculate_design.h"
#include "design/design_record.h"
#include "design/preset_table.h"
#include "platform/testing/scripted_prompts.h"
#include "tests/support/built_in_design.h"

namespace varnloft::testing {

// The preset at `index` (menu order; 0 is Adult Standard), with `overrides` ("role:slot", text)
// typed over its texts; the overlap question is answered No.
inline DesignRecord PresetRecord(
    size_t index, bool imperial,
    const std::vector<std::pair<std::string, std::string>>& overrides = {},
    bool supportsExterior = true) {
  InputTexts texts;
  for (auto& [role, preset] : PresetTexts(index, imperial)) texts[role] = preset;
  for (const auto& [key, text] : overrides) {
    const auto colon = key.find(':');
    if (colon == std::string::npos) throw std::invalid_argument("no slot in " + key);
    texts.at(key.substr(0, colon)).at(std::stoul(key.substr(colon + 1))) = text;
  }
  DesignRecord rec = RecordOfTexts(texts, supportsExterior, imperial);
  rec.LumberThickness = PresetDesigns().at(index).lumberThickness;
  ScriptedPrompts prompts;
  prompts.answer = Answer::No;
  CalculateGeometry(rec, prompts, nullptr);
  return rec;
}

}  // namespace varnloft::testing
