#include "platform/canvas.h"

#include <cmath>
#include <cstdio>

#include "measure/errors.h"

namespace varnloft {

std::string HexColor(Rgb c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.r, c.g, c.b);
  return buf;
}

int RoundToPixel(double v) {
  if (!std::isfinite(v) || std::fabs(v) > kMaxPixelCoordinate) {
    throw ProgramError("The drawing does not fit on the page: a coordinate is out of range.");
  }
  // nearbyint follows the default rounding mode, round-half-to-even.
  return static_cast<int>(std::nearbyint(v));
}

void Canvas::FillPolygon(const std::vector<CanvasPoint>& corners, Rgb fill) {
  if (corners.size() < 3) return;
  std::vector<PixelPoint> pixels;
  pixels.reserve(corners.size());
  for (const CanvasPoint& c : corners) pixels.push_back({RoundToPixel(c.x), RoundToPixel(c.y)});
  DoFillPolygon(pixels, fill);
}

}  // namespace varnloft
