#pragma once
// Designs for the materials tests and timings: a preset's texts, some of them changed, read and
// calculated by the real geometry, in either measure.
#include "design/preset_table.h"
#include "tests/support/built_in_design.h"

namespace varnloft::testing {

// The preset at `index` (menu order; 0 is Adult Standard), with `overrides` ("role:slot", text)
// typed over its texts; the overlap question is answered No.
inline DesignRecord PresetRecord(size_t index, bool imperial, const TextChanges& overrides = {},
                                 bool supportsExterior = true) {
  return PresetDesign(index, imperial, supportsExterior, overrides);
}

}  // namespace varnloft::testing
