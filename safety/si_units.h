#pragma once
// The physical constants and units the safety check works in beside the design's feet (whose
// factors to metres are in measure/unit_conversions.h).
#include "measure/unit_conversions.h"

namespace varnloft {

inline constexpr double kPascalsPerPsi = 6894.757293168361;  // 1 lbf / in²
inline constexpr double kKilogramsPerPound = 0.45359237;
inline constexpr double kStandardGravity = 9.80665;  // m/s²

}  // namespace varnloft
