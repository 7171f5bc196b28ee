#include "model3d/raster.h"

#include <algorithm>
#include <cmath>

#include "model3d/binary_out.h"

namespace varnloft {

namespace {

// Screen coordinates are kept within this range, far outside any picture, so that a point
// close to the eye cannot overflow the conversions to whole pixels.
constexpr double kFar = 1e7;

double Limit(double v) {
  return std::clamp(v, -kFar, kFar);
}

}  // namespace

void RenderTarget::Resize(int w, int h) {
  width = std::clamp(w, 1, 16384);
  height = std::clamp(h, 1, 16384);
  const size_t n = static_cast<size_t>(width) * height;
  rgba.assign(n, 0);
  depth.assign(n, 0.0f);
  piece.assign(n, kNoPiece);
}

void FillConvexPolygon(RenderTarget& target, const std::vector<ScreenPoint>& polygon,
                       std::uint32_t colour, std::uint16_t piece) {
  const size_t n = polygon.size();
  if (n < 3) return;
  double twiceArea = 0, minY = kFar, maxY = -kFar;
  for (size_t i = 0; i < n; ++i) {
    const ScreenPoint& a = polygon[i];
    const ScreenPoint& b = polygon[(i + 1) % n];
    twiceArea += a.x * b.y - b.x * a.y;
    minY = std::min(minY, a.y);
    maxY = std::max(maxY, a.y);
  }
  if (!(std::fabs(twiceArea) > 1e-9)) return;
  const double sign = twiceArea > 0 ? 1 : -1;

  // The depth plane z = A x + B y + C through the widest corner triangle.
  const ScreenPoint& p0 = polygon[0];
  double bestArea = 0;
  size_t k = 1;
  for (size_t i = 1; i + 1 < n; ++i) {
    const double area = std::fabs((polygon[i].x - p0.x) * (polygon[i + 1].y - p0.y) -
                                  (polygon[i + 1].x - p0.x) * (polygon[i].y - p0.y));
    if (area > bestArea) bestArea = area, k = i;
  }
  const ScreenPoint& p1 = polygon[k];
  const ScreenPoint& p2 = polygon[k + 1];
  const double ux = p1.x - p0.x, uy = p1.y - p0.y, uz = p1.inverseDepth - p0.inverseDepth;
  const double vx = p2.x - p0.x, vy = p2.y - p0.y, vz = p2.inverseDepth - p0.inverseDepth;
  const double det = ux * vy - vx * uy;
  if (det == 0) return;
  const double A = (uz * vy - vz * uy) / det;
  const double B = (ux * vz - vx * uz) / det;
  const double C = p0.inverseDepth - A * p0.x - B * p0.y;

  const int rowFirst = std::max(0, static_cast<int>(std::ceil(Limit(minY) - 0.5)));
  const int rowLast = std::min(target.height - 1, static_cast<int>(std::floor(Limit(maxY) - 0.5)));
  for (int row = rowFirst; row <= rowLast; ++row) {
    const double yc = row + 0.5;
    double lo = -kFar, hi = kFar;
    // Each edge keeps the side its neighbours lie on: alpha * x + beta >= 0.
    for (size_t i = 0; i < n && lo <= hi; ++i) {
      const ScreenPoint& a = polygon[i];
      const ScreenPoint& b = polygon[(i + 1) % n];
      const double ex = b.x - a.x, ey = b.y - a.y;
      const double alpha = -sign * ey;
      const double beta = sign * (ex * (yc - a.y) + ey * a.x);
      if (alpha > 0) {
        lo = std::max(lo, -beta / alpha);
      } else if (alpha < 0) {
        hi = std::min(hi, -beta / alpha);
      } else if (beta < 0) {
        hi = lo - 1;
      }
    }
    if (!(lo <= hi)) continue;
    const int first = std::max(0, static_cast<int>(std::ceil(Limit(lo) - 0.5)));
    const int last = std::min(target.width - 1, static_cast<int>(std::floor(Limit(hi) - 0.5)));
    if (first > last) continue;
    const size_t base = static_cast<size_t>(row) * target.width;
    float* depth = target.depth.data() + base;
    std::uint32_t* rgba = target.rgba.data() + base;
    std::uint16_t* ids = target.piece.data() + base;
    double z = A * (first + 0.5) + B * yc + C;
    for (int x = first; x <= last; ++x, z += A) {
      const float zf = ToFloat(z);
      if (zf > depth[x]) {
        depth[x] = zf;
        rgba[x] = colour;
        ids[x] = piece;
      }
    }
  }
}

void DrawDepthLine(RenderTarget& target, const ScreenPoint& a, const ScreenPoint& b,
                   std::uint32_t colour, std::uint16_t piece) {
  const double ax = Limit(a.x), ay = Limit(a.y), bx = Limit(b.x), by = Limit(b.y);
  const double dx = bx - ax, dy = by - ay;
  const double steps = std::ceil(std::max(std::fabs(dx), std::fabs(dy)));
  if (!(steps < 4 * kFar)) return;
  // Only the part of the line over the picture is walked.
  double t0 = 0, t1 = 1;
  auto keep = [&](double p, double q) {  // p t <= q
    if (p == 0) return q >= 0;
    const double r = q / p;
    if (p < 0) {
      t0 = std::max(t0, r);
    } else {
      t1 = std::min(t1, r);
    }
    return t0 <= t1;
  };
  if (!keep(-dx, ax) || !keep(dx, target.width - ax) || !keep(-dy, ay) ||
      !keep(dy, target.height - ay))
    return;
  const int count = std::max(1, static_cast<int>(steps));
  const int from = static_cast<int>(std::floor(t0 * count));
  const int to = static_cast<int>(std::ceil(t1 * count));
  for (int i = from; i <= to; ++i) {
    const double t = static_cast<double>(i) / count;
    const int x = static_cast<int>(std::floor(ax + dx * t));
    const int y = static_cast<int>(std::floor(ay + dy * t));
    if (x < 0 || y < 0 || x >= target.width || y >= target.height) continue;
    const size_t at = static_cast<size_t>(y) * target.width + x;
    const double z = a.inverseDepth + (b.inverseDepth - a.inverseDepth) * t;
    if (z * 1.002 >= target.depth[at]) {
      target.depth[at] = std::max(target.depth[at], ToFloat(z));
      target.rgba[at] = colour;
      target.piece[at] = piece;
    }
  }
}

}  // namespace varnloft
