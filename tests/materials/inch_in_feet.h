#pragma once
// An inch in feet, the unit every design and stock length is kept in: the tests write lengths
// as a lumber yard does ("8 - kInch").
#include "measure/unit_conversions.h"

namespace varnloft {

inline constexpr double kInch = 1.0 / kInchesPerFoot;

}  // namespace varnloft
