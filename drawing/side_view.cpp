#include "drawing/side_view.h"

#include "design/frame_symbols.h"
#include "drawing/model_pen.h"

namespace varnloft {

namespace {

// Table-height dimension left of the side view, placed in pixels.
void DrawHeightDimension(const DesignRecord& rec, const FrameSymbols& m, Canvas& canvas,
                         const FigureLayout& layout) {
  const double x = layout.heightDimensionLeft, u = layout.dimStep, y0 = layout.viewTop;
  const double floorY = y0 + m.H * layout.pixelsPerFoot;
  canvas.MoveTo(x - 1.25 * u, y0);
  canvas.LineTo(x - 2.25 * u, y0);
  canvas.MoveTo(x - 1.25 * u, floorY);
  canvas.LineTo(x - 2.25 * u, floorY);
  canvas.MoveTo(x - 1.75 * u, y0);
  canvas.LineTo(x - 1.75 * u, floorY);
  canvas.TextOut(x - 4 * u, y0 + u, " " + rec.FormatLength(rec.TableHeight));
}

// Overall-length dimension above the side view, placed in pixels.
void DrawLengthDimension(const DesignRecord& rec, const FrameSymbols& m, Canvas& canvas,
                         const FigureLayout& layout) {
  const double x = layout.sideViewLeft, u = layout.dimStep, y0 = layout.viewTop;
  const double length = m.L * layout.pixelsPerFoot;
  canvas.MoveTo(x, y0 - 1.5 * u);
  canvas.LineTo(x, y0 - 0.5 * u);
  canvas.MoveTo(x + length, y0 - 1.5 * u);
  canvas.LineTo(x + length, y0 - 0.5 * u);
  canvas.MoveTo(x, y0 - u);
  canvas.LineTo(x + length, y0 - u);
  canvas.TextOut(x + 0.2 * length, y0 - 1.35 * u, " " + rec.FormatLength(rec.OverallLength) + " ");
}

// Table top, end-cap lines (drawn also without end caps: they then lie on the table top's
// ends) and the seat.
void DrawTopAndSeat(const FrameSymbols& m, ModelPen& pen) {
  pen.ClosedOutline({{0, 0}, {m.L, 0}, {m.L, m.t}, {0, m.t}});
  pen.Line({m.EC, 0}, {m.EC, m.t});
  pen.Line({m.L - m.EC, 0}, {m.L - m.EC, m.t});
  const double seatLeft = m.LD - m.LS, seatRight = m.LD - m.LS + m.SL;
  pen.ClosedOutline(
      {{seatLeft, m.H - m.SH}, {seatRight, m.H - m.SH}, {seatRight, m.ys}, {seatLeft, m.ys}});
}

// A leg edge-on between x = a and x = b, its edges broken where the seat passes in front.
void DrawLegEdgeOn(const FrameSymbols& m, ModelPen& pen, double a, double b) {
  pen.Line({a, m.t}, {a, m.H - m.SH});
  pen.Polyline({{a, m.ys}, {a, m.H}, {b, m.H}, {b, m.ys}});
  pen.Line({b, m.t}, {b, m.H - m.SH});
}

// The outer support and the seat support end-on: their free face at x = face, their lower edge
// running to the leg at x = joint.
void DrawSupportsEndOn(const FrameSymbols& m, ModelPen& pen, double face, double joint) {
  pen.Polyline({{face, m.t}, {face, m.t + m.OS}, {joint, m.t + m.OS}});
  pen.Polyline({{face, m.ys}, {face, m.ys + m.SS}, {joint, m.ys + m.SS}});
}

// Centre support, braces and brace feet, measured from the inner face of the left frame.
void DrawCentreSupportAndBraces(const FrameSymbols& m, ModelPen& pen, double frameFace) {
  const double t = m.t;
  const double xc = frameFace + m.BR;
  pen.Polyline({{xc, t}, {xc, t + m.CS}, {xc + t, t + m.CS}, {xc + t, t}});

  // A brace whose full depth would reach beyond the run ends at the brace rise instead, with a
  // line down the frame face; its lower edge still runs the full depth.
  const double d0 = m.H - m.SH - t;
  const double r0 = m.OverBraceTangent(d0);
  const bool shortened = r0 > m.BR;
  const double d = shortened ? m.BH : d0;
  const double r = shortened ? m.OverBraceTangent(m.BH) : r0;
  const double csRun = m.OverBraceTangent(m.CS);
  const double rightFace = frameFace + t + 2 * m.BR;

  if (shortened) pen.Line({frameFace, t + d}, {frameFace, m.H - m.SH});
  pen.Line({xc, t}, {xc - r, t + d});
  pen.Line({xc, t + m.CS}, {xc - r0 + csRun, t + d0});

  const double xc2 = xc + t;
  if (shortened) pen.Line({rightFace, t + d}, {rightFace, m.H - m.SH});
  pen.Line({xc2, t}, {xc2 + r, t + d});
  pen.Line({xc2, t + m.CS}, {xc2 + r0 - csRun, t + d0});

  const double e = m.SS / 2 + m.CS / 2;
  const double f = (m.SS - m.CS) / 2;
  const double yb = t + m.BH + m.CS;
  const double eRun = m.OverBraceTangent(e);
  const double fRun = m.OverBraceTangent(f);
  for (double dir : {1.0, -1.0}) {
    const double xa = dir > 0 ? frameFace : rightFace;
    pen.Line({xa, yb}, {xa + dir * eRun, yb - e});
    pen.Line({xa, yb}, {xa, yb - e});
    if (m.SS > m.CS) pen.Line({xa, t + m.BH}, {xa + dir * fRun, t + m.BH - f});
  }
}

}  // namespace

void DrawSideView(const DesignRecord& rec, Canvas& canvas, const FigureLayout& layout,
                  SupportSide side) {
  const FrameSymbols m = FrameSymbolsOf(rec);
  ModelPen pen(canvas, layout.sideViewLeft, layout.viewTop, layout.pixelsPerFoot);
  DrawHeightDimension(rec, m, canvas, layout);
  DrawLengthDimension(rec, m, canvas, layout);
  DrawTopAndSeat(m, pen);

  // Each end frame is a band two thicknesses wide. Interior supports: leg outside, supports
  // inside; exterior supports: the other way round.
  const double t = m.t, left = m.LD, right = m.L - m.RD;
  if (side == SupportSide::Interior) {
    DrawLegEdgeOn(m, pen, left, left + t);
    DrawSupportsEndOn(m, pen, left + 2 * t, left + t);
    DrawLegEdgeOn(m, pen, right, right - t);
    DrawSupportsEndOn(m, pen, right - 2 * t, right - t);
    DrawCentreSupportAndBraces(m, pen, left + 2 * t);
  } else {
    DrawLegEdgeOn(m, pen, left + t, left + 2 * t);
    DrawSupportsEndOn(m, pen, left, left + t);
    DrawLegEdgeOn(m, pen, right - t, right - 2 * t);
    DrawSupportsEndOn(m, pen, right, right - t);
    DrawCentreSupportAndBraces(m, pen, left + t);
  }
}

}  // namespace varnloft
