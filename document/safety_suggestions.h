#pragma once
// What to change when a safety check fails: for each failed check the nearest changes that pass
// it, each found by designing a variation of the document through the pure design function and
// checking the variation. A variation that asks the overlap question, or fails to design, is left
// out; every suggestion returned has been designed and passes the check it names.
//   strength of a member: the next lumber size up that passes (table top, seat and seat support
//     rows), the longest overall length that passes with today's lumber (table top and seat);
//   stability: the longest overhang that passes, at the ends whose corners tip;
//   both: the heaviest person the design as it is holds;
//   a wheelchair end: the table height, table top boards and overhang that pass each failed
//     figure, and all of them together (document/wheelchair_suggestions.h).
// Lengths are searched by halving on sixteenths of an inch (whole millimetres in metric), so a
// design's suggestions take a few dozen designs at most.
#include <vector>

#include "design/design_record.h"
#include "document/design_document.h"
#include "safety/safety_check.h"
#include "safety/safety_suggestion.h"

namespace varnloft {

// `document` and `rec` are the design just made (the document as the design tidied it),
// `check` its safety check under `settings`. None when the check passed or could not be made.
std::vector<SafetySuggestion> SuggestSafetyChanges(const DesignDocument& document,
                                                   const DesignRecord& rec,
                                                   const SafetyCheck& check,
                                                   const SafetySettings& settings = {});

}  // namespace varnloft
