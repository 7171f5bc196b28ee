#include "plans/plan_values.h"

#include "design/table_members.h"
#include "plans/plan_name.h"

namespace varnloft {

PlanValues PlanValuesOf(const DesignRecord& rec, const PlanContext& context) {
  return PlanValues{PlanName(context.statusText, context.clock->Now()), TableTopLengthOf(rec),
                    FrameDiagonalOf(rec)};
}

}  // namespace varnloft
