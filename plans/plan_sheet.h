#pragma once
// The plan sheet: the one-page construction drawing of the last design, drawn into the plans
// window's picture. Header, the assembled views with their dimensions and notes, every member
// to cut, and the footer with overhangs, angles and squaring diagonals.
#include "design/design_record.h"
#include "plans/plan_context.h"
#include "plans/plan_layout.h"
#include "plans/plan_values.h"
#include "platform/canvas.h"

namespace varnloft {

// The picture the plans window shows and saves, as the window is laid out.
inline constexpr int kPlanSheetWidth = 681;
inline constexpr int kPlanSheetHeight = 1014;

struct PlanSheetResult {
  PlanLayout layout;  // as the drawing left it
  double endY = 0;    // the footer's base: how tall the sheet's content is, in pixels
  PlanValues values;  // the plan's name, table top length and frame diagonal it shows
};

// Redraws the whole canvas (Width() x Height()) from the record. Throws ProgramError while the last
// calculation failed (nothing is drawn then), DivisionByZeroError for a brace angle of 0 and
// ProgramError when a coordinate is beyond the canvas's range.
PlanSheetResult DrawPlanSheet(const DesignRecord& rec, Canvas& canvas, const PlanContext& context);

}  // namespace varnloft
