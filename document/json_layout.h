#pragma once
// JSON laid out for a person to read: an object one member a line, indented by two blanks a
// level; a list of plain values on one line. Numbers take the fewest digits that read back to
// the same double, so a single stored through SingleNumber reads "0.125", not 17 digits.
#include <string>

#include "platform/json_value.h"

namespace varnloft {

std::string LayOutJson(const JsonValue& value);

// A single as the number with the fewest digits that reads back (as a double, then a single) to
// the same single; null when it is not finite.
JsonValue SingleNumber(float value);
// A single shown in a smaller unit: a number d for which d / factor, made a single, is `value`
// exactly, with few digits where they suffice ("inches": 1.5 for 0.125 feet, factor 12).
JsonValue SingleNumberTimes(float value, double factor);

}  // namespace varnloft
