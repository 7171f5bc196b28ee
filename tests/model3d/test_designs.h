#pragma once
// The designs the 3D model's tests build: the built-in table and the presets, each computed by
// the real geometry from the input table's texts.
#include <cstddef>
#include <map>
#include <string>

#include "design/design_record.h"
#include "platform/prompts.h"

namespace varnloft::testing {

// The built-in 6 ft table (imperial, 1 1/2 in lumber), the overlap question answered No.
DesignRecord BuiltInTable(bool supportsExterior);

// The built-in table with some input texts changed, each named "role:slot"
// ("deckBoardCount:0"); the overlap question, if asked, gets `answer`.
DesignRecord BuiltInTableWith(const std::map<std::string, std::string>& changes,
                              bool supportsExterior, Answer answer = Answer::No);

// Preset `index` in menu order, in imperial or metric measure, with the preset's thickness.
// `asked` tells whether the overlap question was asked (it is answered No).
DesignRecord PresetTable(size_t index, bool imperial, bool supportsExterior, bool* asked = nullptr);

}  // namespace varnloft::testing
