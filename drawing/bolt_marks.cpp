#include "drawing/bolt_marks.h"

#include "design/frame_symbols.h"
#include "drawing/model_pen.h"

namespace varnloft {

namespace {

void DrawBoltCircle(ModelPen& pen, double cx, double cy, double radius) {
  pen.Ellipse({cx - radius, cy - radius}, {cx + radius, cy + radius});
}

void DrawBoltBar(Canvas& canvas, const ModelPen& pen, double x1, double x2, double y,
                 double halfHeight) {
  canvas.Rectangle(pen.X(x1), pen.Y(y) - halfHeight, pen.X(x2), pen.Y(y) + halfHeight);
}

}  // namespace

void DrawBoltMarks(const DesignRecord& rec, Canvas& canvas, const FigureLayout& layout) {
  const FrameSymbols m = FrameSymbolsOf(rec);
  if (layout.setsColours) canvas.SetPenColor(layout.penColour);

  ModelPen endView(canvas, layout.viewLeft, layout.viewTop, layout.pixelsPerFoot);
  const double radius = layout.boltRadius;
  const double outerY = m.t + m.OS / 2, seatY = m.ys + m.SS / 2;
  DrawBoltCircle(endView, m.xd + m.TW - 1.5 * m.k * m.OS - m.LC / 2, outerY, radius);
  DrawBoltCircle(endView, m.xd + 1.5 * m.k * m.OS + m.LC / 2, outerY, radius);
  DrawBoltCircle(endView, m.SE - m.k * m.SS / 2 + m.LC / 2, seatY, radius);
  DrawBoltCircle(endView, m.W - m.SE + m.k * m.SS / 2 - m.LC / 2, seatY, radius);

  ModelPen sideView(canvas, layout.sideViewLeft, layout.viewTop, layout.pixelsPerFoot);
  // The bars are 1/24 ft high on every layout; only the circles change size between layouts.
  const double halfHeight = layout.pixelsPerFoot / 48;
  const double right = m.L - m.RD;
  for (double y : {outerY, seatY}) {
    DrawBoltBar(canvas, sideView, m.LD, m.LD + 2 * m.t, y, halfHeight);
    DrawBoltBar(canvas, sideView, right, right - 2 * m.t, y, halfHeight);
  }
}

}  // namespace varnloft
