#pragma once
// Designs for the tests of the inner layers, computed by the real geometry from the input
// table's texts, with no window.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "design/design_record.h"
#include "platform/prompts.h"

namespace varnloft::testing {

// Each input's slot texts by role name; tests change single texts:
// texts["centreSupportSize"][1] = "7.25".
using InputTexts = std::map<std::string, std::vector<std::string>>;

// The texts of the built-in 6 ft table, in the given measure.
InputTexts BuiltInTexts(bool imperial = true);

// A record with the texts read into its inputs (imperial or metric, 1 1/2 in lumber, full size,
// the given support side); nothing calculated yet.
DesignRecord RecordOfTexts(const InputTexts& texts, bool supportsExterior = true,
                           bool imperial = true);

// Reads the texts into a record (1 1/2 in lumber, full size) and runs the geometry, answering
// No to the overlap question. Throws the reading's or the geometry's error.
DesignRecord CalculatedDesign(const InputTexts& texts, bool supportsExterior = true,
                              bool imperial = true);

inline DesignRecord BuiltInDesign(bool supportsExterior = true) {
  return CalculatedDesign(BuiltInTexts(), supportsExterior);
}

// Changes of single texts, each named "role:slot": {"deckBoardCount:0", "2"}.
using TextChanges = std::vector<std::pair<std::string, std::string>>;
void ChangeTexts(InputTexts& texts, const TextChanges& changes);

// A preset (menu order, 0 = Adult Standard, the built-in design) in either measure, with
// `changes` typed over its texts, calculated with the preset's lumber thickness; the overlap
// question, if asked, gets `answer`, and `asked` (when given) tells whether it was.
DesignRecord PresetDesign(size_t index, bool imperial = true, bool supportsExterior = true,
                          const TextChanges& changes = {}, Answer answer = Answer::No,
                          bool* asked = nullptr);

}  // namespace varnloft::testing
