#pragma once
// The printed plans: the plan sheet's content laid out on printer pages, on one page or, when
// the members leave too little room for the notes, on two.
#include "design/design_record.h"
#include "plans/plan_context.h"
#include "plans/plan_values.h"
#include "platform/page_sink.h"

namespace varnloft {

struct PrintedPlansResult {
  int pages = 0;
  double footerTop = 0;  // where the notice line was printed on page 1, in device pixels
  PlanValues values;     // the plan's name, table top length and frame diagonal it shows
};

// Prints one complete document into `sink` (already chosen, e.g. after the print dialog), with
// pen width 5 and the device's own black. Throws ProgramError while the last calculation failed
// (before the document is begun), and passes on the sink's errors and those of the figures.
PrintedPlansResult PrintPlans(const DesignRecord& rec, PageSink& sink, const PlanContext& context);

}  // namespace varnloft
