#include "plans/plan_layout.h"

#include <cmath>

#include "design/frame_symbols.h"
#include "drawing/view_scale.h"

namespace varnloft {

namespace {

double FeetAcross(const DesignRecord& rec) {
  return static_cast<double>(rec.OverallWidth) + rec.OverallLength;
}

}  // namespace

double PlanViewsRightEdge(const DesignRecord& rec, const PlanLayout& layout, double s) {
  return layout.leftMargin + FeetAcross(rec) * s + 4 * layout.lineStep;
}

PlanLayout ComputePlanLayout(const DesignRecord& rec, int width, int height,
                             const PlanPageShape& shape) {
  PlanLayout out;
  out.pageRight = std::floor(width * shape.pageRightFraction);
  out.viewBudget = std::floor(static_cast<double>(height) / shape.viewBudgetDivisor);
  out.lineStep = std::floor(static_cast<double>(height) / shape.lineStepDivisor);
  out.textY = shape.textTopLines * out.lineStep;
  out.leftMargin = std::floor(width * 0.03);

  const double tableHeight = rec.TableHeight;
  if (!FrameSymbolsOf(rec).AllFinite()) {
    out.viewProblem =
        "The assembled views are not drawn: some of the table's sizes are too large to compute.";
  } else if (!(tableHeight > 0)) {
    out.viewProblem = "The assembled views are not drawn: the table height must be greater than 0.";
  }

  if (out.viewProblem.empty()) {
    out.firstPixelsPerFoot = FirstScaleEstimate(out.viewBudget, tableHeight, 1.0);
  } else {
    // No height to fill: start from a scale at which one foot spans the whole surface, so the
    // fit below settles on the largest scale that still fits across.
    out.firstPixelsPerFoot = std::floor(out.pageRight) + 1;
  }
  out.pixelsPerFoot = StepDownScale(out.firstPixelsPerFoot, out.leftMargin, FeetAcross(rec),
                                    4 * out.lineStep, out.pageRight);
  return out;
}

}  // namespace varnloft
