#include "plans/plan_context.h"

#include "measure/errors.h"

namespace varnloft {

void RefuseIfDesignIncomplete(const DesignRecord& rec, const std::string& action) {
  if (!rec.LastCalculationFailed) return;
  throw ProgramError("The plans cannot be " + action +
                     ": the last design calculation stopped on an error, so the design is "
                     "incomplete. Correct the entry and press Design first.");
}

}  // namespace varnloft
