#include "drawing/end_frame.h"

#include "design/frame_symbols.h"
#include "drawing/model_pen.h"

namespace varnloft {

namespace {

// Legs in front of the supports. The legs meet the deck underside 2k*OS in from each edge of the
// table top; the underside line stops at 99% of the width.
void DrawInteriorEndFrame(const FrameSymbols& m, ModelPen& pen) {
  const double k = m.k;
  const double xl = m.xd + 2 * k * m.OS;
  const double xr = m.xd + m.TW - 2 * k * m.OS;
  const double spread = k * (m.H - m.t);
  pen.Line({m.xd, m.t}, {m.xd + 0.99 * m.TW, m.t});
  pen.Polyline({{xl, m.t}, {xl - spread, m.H}, {xl - spread + m.LC, m.H}, {xl + m.LC, m.t}});
  pen.Polyline({{xr, m.t}, {xr + spread, m.H}, {xr + spread - m.LC, m.H}, {xr - m.LC, m.t}});
  pen.Line({m.xd, m.t}, {m.xd + k * m.OS, m.t + m.OS});
  pen.Line({m.xd + m.TW, m.t}, {m.xd + m.TW - k * m.OS, m.t + m.OS});
  pen.Line({m.xd + k * m.OS + m.LC, m.t + m.OS}, {m.xd + m.TW - k * m.OS - m.LC, m.t + m.OS});
  pen.Polyline({{m.SE, m.ys}, {0, m.ys}, {k * m.SS, m.ys + m.SS}, {m.SE - k * m.SS, m.ys + m.SS}});
  pen.Polyline({{m.W - m.SE, m.ys},
                {m.W, m.ys},
                {m.W - k * m.SS, m.ys + m.SS},
                {m.W - m.SE + k * m.SS, m.ys + m.SS}});
  pen.Line({m.SE + m.LC, m.ys}, {m.W - m.SE - m.LC, m.ys});
  pen.Line({m.SE + m.LC - k * m.SS, m.ys + m.SS}, {m.W - m.SE - m.LC + k * m.SS, m.ys + m.SS});
}

// Supports in front of the legs: the legs show between the two supports and below the seat
// support, on the same lines as in the interior variant.
void DrawExteriorEndFrame(const FrameSymbols& m, ModelPen& pen) {
  const double k = m.k;
  const double upperRun = k * (m.H - m.SH - m.OS);
  pen.Line({m.xd, m.t}, {m.xd + 0.99 * m.TW, m.t});

  const double xo = m.xd + k * m.OS;
  pen.Line({xo, m.t + m.OS}, {xo - upperRun, m.ys});
  pen.Line({xo + m.LC, m.t + m.OS}, {xo + m.LC - upperRun, m.ys});
  const double xu = m.xd + m.TW - k * m.OS;
  pen.Line({xu, m.t + m.OS}, {xu + upperRun, m.ys});
  pen.Line({xu - m.LC, m.t + m.OS}, {xu - m.LC + upperRun, m.ys});

  const double lowerRun = k * (m.SH - m.t - m.SS);
  const double xl = m.SE - k * m.SS;
  pen.Polyline({{xl, m.ys + m.SS},
                {xl - lowerRun, m.H},
                {xl - lowerRun + m.LC, m.H},
                {xl + m.LC, m.ys + m.SS}});
  const double xm = m.W - m.SE + k * m.SS;
  pen.Polyline({{xm, m.ys + m.SS},
                {xm + lowerRun, m.H},
                {xm + lowerRun - m.LC, m.H},
                {xm - m.LC, m.ys + m.SS}});

  pen.Line({m.xd, m.t}, {m.xd + k * m.OS, m.t + m.OS});
  pen.Line({m.xd + m.TW, m.t}, {m.xd + m.TW - k * m.OS, m.t + m.OS});
  pen.Line({m.xd + k * m.OS, m.t + m.OS}, {m.xd + m.TW - k * m.OS, m.t + m.OS});

  pen.Line({0, m.ys}, {k * m.SS, m.ys + m.SS});
  pen.Line({m.W, m.ys}, {m.W - k * m.SS, m.ys + m.SS});
  pen.Line({0, m.ys}, {m.W, m.ys});
  pen.Line({k * m.SS, m.ys + m.SS}, {m.W - k * m.SS, m.ys + m.SS});
}

}  // namespace

void DrawEndFrame(const DesignRecord& rec, Canvas& canvas, const FigureLayout& layout,
                  SupportSide side) {
  const FrameSymbols m = FrameSymbolsOf(rec);
  ModelPen pen(canvas, layout.viewLeft, layout.viewTop, layout.pixelsPerFoot);
  if (side == SupportSide::Exterior) {
    DrawExteriorEndFrame(m, pen);
  } else {
    DrawInteriorEndFrame(m, pen);
  }
}

}  // namespace varnloft
