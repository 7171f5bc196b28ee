#include "drawing/design_view.h"

#include <cmath>

#include "design/frame_symbols.h"
#include "drawing/board_sections.h"
#include "drawing/bolt_marks.h"
#include "drawing/support_views.h"
#include "drawing/view_scale.h"

namespace varnloft {

DesignViewLayout ComputeDesignViewLayout(const DesignRecord& rec, int pictureHeight,
                                         int windowWidth, int windowHeight) {
  DesignViewLayout out;
  FigureLayout& f = out.figure;
  f.viewLeft = std::floor(0.06 * windowWidth);
  f.viewTop = 0.15 * pictureHeight;
  f.dimStep = std::floor(windowHeight / 60.0 + 10);

  const FrameSymbols m = FrameSymbolsOf(rec);
  if (!m.AllFinite()) {
    out.problem = "The table cannot be drawn: some of its sizes are too large to compute.";
    return out;
  }
  if (!(m.H > 0)) {
    out.problem = "The table cannot be drawn: the table height must be greater than 0.";
    return out;
  }
  out.firstPixelsPerFoot = FirstScaleEstimate(pictureHeight, m.H, 0.8);
  f.pixelsPerFoot =
      StepDownScale(out.firstPixelsPerFoot, f.viewLeft, m.W + m.L, 4 * f.viewLeft, windowWidth);
  f.sideViewLeft = f.viewLeft + m.W * f.pixelsPerFoot + 0.08 * windowWidth;
  f.heightDimensionLeft = f.sideViewLeft;
  return out;
}

void DrawDesignView(const DesignRecord& rec, Canvas& canvas, int mainWindowWidth,
                    int mainWindowHeight) {
  canvas.SetPenColor(kWhite);
  canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());

  const DesignViewLayout plan =
      ComputeDesignViewLayout(rec, canvas.Height(), mainWindowWidth, mainWindowHeight);
  const FigureLayout& layout = plan.figure;

  canvas.SetPenWidth(1);
  canvas.SetPenColor(kNavy);
  canvas.SetFontColor(kNavy);
  if (!plan.problem.empty()) {
    canvas.TextOut(layout.viewLeft, layout.viewTop, plan.problem);
    return;
  }

  DrawBoardSections(rec, canvas, layout);
  if (rec.SupportsExterior) {
    DrawExteriorSupportViews(rec, canvas, layout);
  } else {
    DrawInteriorSupportViews(rec, canvas, layout);
  }
  DrawBoltMarks(rec, canvas, layout);

  const double s = layout.pixelsPerFoot;
  const double floorY = layout.viewTop + static_cast<double>(rec.TableHeight) * s;
  if (!rec.LegsRepositioned && rec.LegOverlap > 0) {
    canvas.TextOut(layout.viewLeft, floorY,
                   "Ouch! Upper legs overlap   " + rec.FormatLength(rec.LegOverlap));
  }
  const double labelX = layout.sideViewLeft +
                        (static_cast<double>(rec.LeftDeckOverhang) + 4.0 * rec.LumberThickness) * s;
  canvas.TextOut(labelX, floorY, "Lbr. Thickness " + rec.FormatLength(rec.LumberThickness));

  const std::string notice = BoardLimitNotice(rec);
  if (!notice.empty()) canvas.TextOut(layout.viewLeft, floorY + layout.dimStep, notice);
}

}  // namespace varnloft
