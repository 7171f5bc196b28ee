#pragma once
// The design record's fields by name, in record order, for reports and tests.
#include <string>
#include <vector>

#include "design/design_record.h"

namespace varnloft {

struct FloatField {
  const char* name;
  float DesignRecord::*member;
};

struct FlagField {
  const char* name;
  bool DesignRecord::*member;
};

// Inputs then results: OverallLength ... BraceCutWidth.
const std::vector<FloatField>& LengthAndAngleFields();
// The flags, in the order ImperialUnits, ModelScale, FormatUnscaled, SupportsExterior, ...
const std::vector<FlagField>& FlagFields();

}  // namespace varnloft
