#pragma once
// The drawing state the plan sheet and the printed plans share: a whole-number scale, a text
// line's height, the left margin and the running vertical position. Both derive it from the
// size of their surface (the sheet's picture, the printer's page) with their own fractions.
#include <string>

#include "design/design_record.h"

namespace varnloft {

struct PlanLayout {
  double pixelsPerFoot = 0;  // whole number, fitted so both views fit left of pageRight
  double lineStep = 0;       // height of one text line
  double leftMargin = 0;
  double textY = 0;       // running vertical position
  double halfWidth = 0;   // the side view's left edge, later the footer's right-hand column
  double pageRight = 0;   // right limit of the views
  double viewBudget = 0;  // pixels allotted to the table height before the fit

  double firstPixelsPerFoot = 0;  // the scale before the fit
  // Why the assembled views cannot be drawn (no positive table height, sizes beyond range);
  // empty when they can. The notes and members are written either way.
  std::string viewProblem;
};

// The fractions that differ between the sheet and the printed page.
struct PlanPageShape {
  double pageRightFraction;  // pageRight = floor(width * this)
  int viewBudgetDivisor;     // viewBudget = floor(height / this)
  int lineStepDivisor;       // lineStep = height div this
  double textTopLines;       // textY = this * lineStep
};

inline constexpr PlanPageShape kSheetShape{0.8, 5, 55, 2};
inline constexpr PlanPageShape kPrintedPageShape{0.9, 4, 60, 5};

// Works out the layout for a surface of width x height pixels. The scale is the view budget
// over the table height, then stepped down until both views end strictly left of pageRight
// (one that ends exactly there stands); the step-down is computed directly, so a tiny table
// height cannot make it count down from an astronomical estimate. A table whose height is not
// positive gets the largest scale at which both views would fit across, and no views.
PlanLayout ComputePlanLayout(const DesignRecord& rec, int width, int height,
                             const PlanPageShape& shape);

// Right edge of the two views at scale s: leftMargin + (OverallWidth + OverallLength) * s +
// 4 * lineStep.
double PlanViewsRightEdge(const DesignRecord& rec, const PlanLayout& layout, double s);

}  // namespace varnloft
