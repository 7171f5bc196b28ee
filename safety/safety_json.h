#pragma once
// The safety check as JSON: SI units, points in the model's frame in metres, numbers with 17
// significant digits.
//   {"check": {"ok", "reason" (null when the check was made), "species": {"name", "method",
//    "E_Pa", "density_kg_m3"}, "person": {"mass_kg", "force_N"}, "table": {"mass_kg",
//    "centre_of_mass": [x, y, z]} or null, "footprint": [[x, y], …], "stability": [{"case",
//    "point", "force_N", "tipping_force_N", "edge", "ok"}], "strength": [{"member", "kind",
//    "span_m", "boards_sharing", "load_N", "E_Pa", "I_m4", "S_m3", "deflection_m",
//    "deflection_limit_m", "stress_Pa", "allowable_Pa", "ok"}], "accessibility": [{"end",
//    "rule", "table_height_m", "knee_height_m", "knee_width_m", "knee_depth_m", "ok",
//    "failed"}], "children": {"size_mark", "seat_height_m", "table_height_m"} or null,
//    "suggestions": [{"check", "change", "inputs": {ROLE: [box texts]}, "person_kg" (a number
//    for a change of the person alone, else null)}]}}
// "load_N" is the whole load the stress is computed under (1.5 × the person for the European
// classes), shared by "boards_sharing" boards; the children's heights are the design's
// differences from the size mark's.
#include <string>

#include "safety/safety_check.h"
#include "safety/safety_suggestion.h"

namespace varnloft {

std::string SafetyJson(const SafetyCheck& check,
                       const std::vector<SafetySuggestion>& suggestions = {});

}  // namespace varnloft
