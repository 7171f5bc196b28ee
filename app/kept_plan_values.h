#pragma once
// The window's record keeps what the last plans drawn showed (the plan's name, the table top's
// length, the frame diagonal), for its report; the plans themselves write nothing into a record.
#include "design/design_record.h"
#include "plans/plan_values.h"

namespace varnloft {

inline void KeepPlanValues(DesignRecord& rec, const PlanValues& values) {
  rec.PlanName = values.planName;
  rec.TableTopLength = values.tableTopLength;
  rec.FrameDiagonal = values.frameDiagonal;
}

}  // namespace varnloft
