#include "packet/figure.h"

#include <algorithm>

namespace varnloft {

bool ClipLine(const FigureRect& r, double& x1, double& y1, double& x2, double& y2) {
  const double dx = x2 - x1, dy = y2 - y1;
  double t0 = 0, t1 = 1;
  // Each edge: p * t <= q keeps the point inside.
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - r.left, r.left + r.width - x1, y1 - r.top, r.top + r.height - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
  x2 = x1 + t1 * dx;
  y2 = y1 + t1 * dy;
  x1 = ax;
  y1 = ay;
  return true;
}

void DrawFigurePart(Canvas& canvas, const Figure& figure, const FigureRect& part, double left,
                    double top) {
  const double dx = left - part.left, dy = top - part.top;
  // Circles first: their white fill must not hide the lines drawn across them.
  // The pen is set only when it changes.
  bool penSet = false;
  Rgb penColour;
  int penWidth = 0;
  auto usePen = [&](Rgb colour, int width) {
    if (penSet && colour == penColour && width == penWidth) return;
    canvas.SetPenColor(colour);
    canvas.SetPenWidth(width);
    penSet = true;
    penColour = colour;
    penWidth = width;
  };
  for (const FigureCircle& c : figure.circles) {
    if (!part.Contains(c.cx, c.cy)) continue;
    usePen(c.colour, c.penWidth);
    canvas.Ellipse(c.cx - c.radius + dx, c.cy - c.radius + dy, c.cx + c.radius + dx,
                   c.cy + c.radius + dy);
  }
  for (const FigureLine& l : figure.lines) {
    double x1 = l.x1, y1 = l.y1, x2 = l.x2, y2 = l.y2;
    if (!ClipLine(part, x1, y1, x2, y2)) continue;
    usePen(l.colour, l.penWidth);
    canvas.MoveTo(x1 + dx, y1 + dy);
    canvas.LineTo(x2 + dx, y2 + dy);
  }
  for (const FigureText& t : figure.texts) {
    if (!part.Contains(t.x, t.y)) continue;
    canvas.SetFontSize(t.points);
    canvas.SetFontColor(t.colour);
    canvas.TextOut(t.x + dx, t.y + dy, t.text);
  }
}

void DrawFigure(Canvas& canvas, const Figure& figure, double left, double top) {
  DrawFigurePart(canvas, figure, FigureRect{0, 0, figure.width, figure.height}, left, top);
}

}  // namespace varnloft
