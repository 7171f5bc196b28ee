#pragma once
// What a drawing of the plans shows of the design beyond the record: the plan's name (the status
// text, time-stamped for a custom design), the table top's length and the frame's squaring
// diagonal. Pure functions of the design and the moment of drawing; the drawings return them and
// the window keeps the last ones for its report (app/kept_plan_values.h), so that nothing the
// plans draw writes into the record.
#include <string>

#include "design/design_record.h"
#include "plans/plan_context.h"

namespace varnloft {

struct PlanValues {
  std::string planName;
  float tableTopLength = 0;  // feet
  float frameDiagonal = 0;   // feet
};

// The values as a drawing made now (the context's clock) shows them.
PlanValues PlanValuesOf(const DesignRecord& rec, const PlanContext& context);

}  // namespace varnloft
