#pragma once
// What to change at a wheelchair end that fails its rule (the adults' or, at a children's table,
// the children's): the table height that brings the table top and the knee space into range,
// more or wider table top boards for the knee space's width, the longer table top overhang that
// gives the knee space its depth at that end, and all of these together. Each is designed and
// checked: it passes the figures it names at every end where they failed.
#include <string>
#include <vector>

#include "document/variation_search.h"

namespace varnloft {

// The check a suggestion answers: "wheelchair: knee depth (left end)",
// "wheelchair: table height and knee height (both ends)", "wheelchair: every figure (left end)".
std::vector<SafetySuggestion> SuggestWheelchairChanges(const VariationSearch& search,
                                                       const SafetyCheck& check);

// True when every figure (of "table_height", "knee_height", "knee_width", "knee_depth") passes
// at every end named ("left", "right"), each still a wheelchair end.
bool EndFiguresPass(const SafetyCheck& check, const std::vector<std::string>& ends,
                    const std::vector<std::string>& figures);

}  // namespace varnloft
