#include "test_designs.h"

#include "tests/support/built_in_design.h"

namespace varnloft::testing {

DesignRecord BuiltInTable(bool supportsExterior) {
  return BuiltInTableWith({}, supportsExterior);
}

// Preset 0 is the built-in design.
DesignRecord BuiltInTableWith(const std::map<std::string, std::string>& changes,
                              bool supportsExterior, Answer answer) {
  return PresetDesign(0, true, supportsExterior, {changes.begin(), changes.end()}, answer);
}

DesignRecord PresetTable(size_t index, bool imperial, bool supportsExterior, bool* asked) {
  return PresetDesign(index, imperial, supportsExterior, {}, Answer::No, asked);
}

}  // namespace varnloft::testing
