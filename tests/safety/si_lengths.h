#pragma once
// A foot and an inch in metres, the unit the safety check works in: the tests write the
// design's lengths as a builder does ("2 * kFt + 6 * kIn").
#include "safety/si_units.h"

namespace varnloft {

inline constexpr double kFt = kMetresPerFoot;
inline constexpr double kIn = kMetresPerInch;

}  // namespace varnloft
