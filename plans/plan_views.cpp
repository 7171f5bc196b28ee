#include "plans/plan_views.h"

#include <cmath>
#include <string>

#include "design/table_members.h"
#include "drawing/board_sections.h"
#include "drawing/bolt_marks.h"
#include "drawing/end_frame.h"
#include "drawing/side_view.h"
#include "measure/angles.h"
#include "measure/number_text.h"

namespace varnloft {

namespace {

constexpr double kSquareFeetPerSquareMetre = 10.764262;

FigureLayout FiguresOf(const DesignRecord& rec, const PlanLayout& layout, const PlanStyle& style) {
  const double s = layout.pixelsPerFoot, u = layout.lineStep;
  const double endViewRight = layout.leftMargin + static_cast<double>(rec.OverallWidth) * s;
  FigureLayout f;
  f.viewLeft = layout.leftMargin;
  f.viewTop = layout.textY;
  f.dimStep = u;
  f.pixelsPerFoot = s;
  // The height dimension stands one line step further left than the side view it measures.
  f.heightDimensionLeft = endViewRight + 3 * u;
  f.sideViewLeft = endViewRight + 4 * u;
  f.boltRadius = style.boltRadius;
  f.widthLabelFontSize = style.widthLabelFontSize;
  f.textFontSize = style.textFontSize;
  f.setsColours = style.setsColours;
  f.penColour = kNavy;
  return f;
}

void DrawFootprintDimension(const DesignRecord& rec, Canvas& canvas, const PlanLayout& layout) {
  const double s = layout.pixelsPerFoot, u = layout.lineStep;
  const double footprint = FootprintWidth(rec);
  const double across = footprint * s;
  const double spare = static_cast<double>(rec.OverallWidth) * s - across;
  const double x0 = spare > 0 ? layout.leftMargin + spare / 2 : layout.leftMargin + spare;
  const double yb = PlanFloorDepth(rec, layout);
  canvas.MoveTo(x0, yb + 0.5 * u);
  canvas.LineTo(x0, yb + 1.5 * u);
  canvas.MoveTo(x0 + across, yb + 0.5 * u);
  canvas.LineTo(x0 + across, yb + 1.5 * u);
  canvas.MoveTo(x0, yb + u);
  canvas.LineTo(x0 + across, yb + u);
  canvas.TextOut(x0 + 0.3 * across, yb + 0.5 * u,
                 " " + rec.FormatLength(static_cast<float>(footprint)));
}

void DrawBraceRunDimensions(const DesignRecord& rec, Canvas& canvas, const PlanLayout& layout) {
  const double s = layout.pixelsPerFoot, u = layout.lineStep;
  const double t = rec.LumberThickness, run = rec.BraceRun;
  const double y1 = PlanFloorDepth(rec, layout) - 0.5 * u;
  const double frameFace = rec.SupportsExterior ? t : 2 * t;
  double x1 = layout.halfWidth + (rec.LeftDeckOverhang + frameFace) * s;
  for (int brace = 0; brace < 2; ++brace) {
    canvas.MoveTo(x1, y1 - u);
    canvas.LineTo(x1, y1);
    canvas.MoveTo(x1 + run * s, y1 - u);
    canvas.LineTo(x1 + run * s, y1);
    canvas.MoveTo(x1, y1 - u / 2);
    canvas.LineTo(x1 + run * s, y1 - u / 2);
    canvas.TextOut(x1 + u, y1 - u, " " + rec.FormatLength(rec.BraceRun));
    x1 += (run + t) * s;
  }
}

std::string TableTopAreaText(const DesignRecord& rec) {
  const double area = (static_cast<double>(rec.OverallLength) * rec.ScaleFactor) *
                      (static_cast<double>(rec.TableTopWidth) * rec.ScaleFactor);
  if (rec.ImperialUnits) return "Table Top Area:  " + FixedText(area, 1, 5) + " ft." + "\xC2\xB2";
  return "Table Top Area:  " + FixedText(area / kSquareFeetPerSquareMetre, 1, 5) + " metres " +
         "\xC2\xB2";
}

void WriteNotes(const DesignRecord& rec, Canvas& canvas, const PlanLayout& layout) {
  const double s = layout.pixelsPerFoot, u = layout.lineStep;
  const double yb = PlanFloorDepth(rec, layout);
  const double lm = layout.leftMargin, hw = layout.halfWidth;
  if (!rec.LegsRepositioned && rec.LegOverlap > 0) {
    canvas.TextOut(lm, yb - 0.5 * u,
                   "Ouch! Upper legs overlap   " + rec.FormatLength(rec.LegOverlap));
  }
  canvas.TextOut(hw + (3.0 * rec.LumberThickness + rec.LeftDeckOverhang) * s, yb - 0.5 * u,
                 TableTopAreaText(rec));
  canvas.TextOut(hw, yb + 0.5 * u,
                 "Lbr. Thickness: " + rec.FormatLength(rec.LumberThickness) +
                     "    Seat Height: " + rec.FormatLength(rec.SeatHeight));
  canvas.TextOut(hw, yb + 1.5 * u,
                 "Deck Gap: " + rec.FormatLength(rec.DeckGap) +
                     "    Seat To Table Horizontal: " + rec.FormatLength(rec.SeatToTableDistance));
  canvas.TextOut(lm, yb + 1.5 * u, "Holes are measured from the point, or end,");
  canvas.TextOut(lm, yb + 2.5 * u,
                 "along the top edge and positioned at the centre of the member as shown below.");
}

}  // namespace

double PlanViewsDepth(const DesignRecord& rec, const PlanLayout& layout) {
  if (!layout.viewProblem.empty()) return 0;
  return static_cast<double>(rec.TableHeight) * layout.pixelsPerFoot;
}

void DrawPlanViews(const DesignRecord& rec, Canvas& canvas, PlanLayout& layout,
                   const PlanStyle& style, FontSizer& fonts) {
  const FigureLayout figures = FiguresOf(rec, layout, style);
  layout.halfWidth = figures.sideViewLeft;

  if (layout.viewProblem.empty()) {
    DrawBoardSections(rec, canvas, figures);
    fonts.Assume(style.textFontSize);
    DrawEndFrame(rec, canvas, figures);
    DrawFootprintDimension(rec, canvas, layout);
    DrawSideView(rec, canvas, figures);
    DrawBoltMarks(rec, canvas, figures);
  } else {
    fonts.Use(style.textFontSize);
    canvas.TextOut(layout.leftMargin, layout.textY - 2 * layout.lineStep, layout.viewProblem);
  }
  fonts.Use(style.textFontSize);
  WriteNotes(rec, canvas, layout);
  if (layout.viewProblem.empty()) DrawBraceRunDimensions(rec, canvas, layout);
}

}  // namespace varnloft
