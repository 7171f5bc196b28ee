#pragma once
// The assembled table on the plans: the end view and the side view (the design view's figures
// at the plan's scale), the footprint dimension under the end frame, the brace-run dimensions
// and the notes under the views.
#include "design/design_record.h"
#include "plans/plan_layout.h"
#include "plans/plan_style.h"
#include "platform/canvas.h"

namespace varnloft {

// Draws the views from layout.textY down and the notes under them.
// Leaves layout.halfWidth at the side view's left edge. Where layout.viewProblem is set the
// figures and dimensions are left out and the problem is written above the notes. Throws
// DivisionByZeroError for a brace angle of 0, as the design view does.
void DrawPlanViews(const DesignRecord& rec, Canvas& canvas, PlanLayout& layout,
                   const PlanStyle& style, FontSizer& fonts);

// How far the views reach below their top: TableHeight * pixelsPerFoot, or 0 when no views
// are drawn.
double PlanViewsDepth(const DesignRecord& rec, const PlanLayout& layout);
// The floor line of the views drawn from layout.textY.
inline double PlanFloorDepth(const DesignRecord& rec, const PlanLayout& layout) {
  return layout.textY + PlanViewsDepth(rec, layout);
}

}  // namespace varnloft
