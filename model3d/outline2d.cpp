#include "model3d/outline2d.h"

#include <algorithm>
#include <cmath>

namespace varnloft {

namespace {

double Cross2(const Vec2& o, const Vec2& a, const Vec2& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool OnSegment(const Vec2& p, const Vec2& a, const Vec2& b) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

bool SegmentsMeet(const Vec2& a, const Vec2& b, const Vec2& c, const Vec2& d) {
  const double d1 = Cross2(c, d, a), d2 = Cross2(c, d, b);
  const double d3 = Cross2(a, b, c), d4 = Cross2(a, b, d);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
    return true;
  return (d1 == 0 && OnSegment(a, c, d)) || (d2 == 0 && OnSegment(b, c, d)) ||
         (d3 == 0 && OnSegment(c, a, b)) || (d4 == 0 && OnSegment(d, a, b));
}

// True when p lies inside or on the triangle abc (counter-clockwise).
bool InTriangle(const Vec2& p, const Vec2& a, const Vec2& b, const Vec2& c) {
  return Cross2(a, b, p) >= 0 && Cross2(b, c, p) >= 0 && Cross2(c, a, p) >= 0;
}

}  // namespace

double SignedArea(const Outline& outline) {
  double twice = 0;
  const size_t n = outline.size();
  for (size_t i = 0; i < n; ++i) {
    const Vec2& a = outline[i];
    const Vec2& b = outline[(i + 1) % n];
    twice += a.x * b.y - b.x * a.y;
  }
  return twice / 2;
}

bool IsSimple(const Outline& outline) {
  const size_t n = outline.size();
  if (n < 3) return false;
  for (size_t i = 0; i < n; ++i) {
    const Vec2& a = outline[i];
    const Vec2& b = outline[(i + 1) % n];
    if (a.x == b.x && a.y == b.y) return false;
    for (size_t j = i + 1; j < n; ++j) {
      if (j == i + 1 || (i == 0 && j == n - 1)) continue;  // neighbours share a corner
      if (SegmentsMeet(a, b, outline[j], outline[(j + 1) % n])) return false;
    }
  }
  return true;
}

bool IsConvex(const Outline& outline) {
  if (!IsSimple(outline)) return false;
  const size_t n = outline.size();
  bool left = false, right = false;
  for (size_t i = 0; i < n; ++i) {
    const double turn = Cross2(outline[i], outline[(i + 1) % n], outline[(i + 2) % n]);
    left = left || turn > 0;
    right = right || turn < 0;
  }
  return !(left && right);
}

Outline CounterClockwise(Outline outline) {
  if (SignedArea(outline) < 0) std::reverse(outline.begin(), outline.end());
  return outline;
}

std::vector<std::array<int, 3>> Triangulate(const Outline& outline) {
  std::vector<std::array<int, 3>> triangles;
  if (!IsSimple(outline) || SignedArea(outline) <= 0) return triangles;
  std::vector<int> left(outline.size());
  for (size_t i = 0; i < left.size(); ++i) left[i] = static_cast<int>(i);
  // A simple polygon always has an ear, so each pass removes one corner; the bound only guards
  // against outlines that rounding makes almost degenerate.
  size_t guard = left.size() * left.size() + 8;
  while (left.size() > 3 && guard-- > 0) {
    const size_t n = left.size();
    bool clipped = false;
    for (size_t i = 0; i < n && !clipped; ++i) {
      const int a = left[(i + n - 1) % n], b = left[i], c = left[(i + 1) % n];
      if (Cross2(outline[a], outline[b], outline[c]) <= 0) continue;  // reflex or straight
      bool empty = true;
      for (int k : left) {
        if (k == a || k == b || k == c) continue;
        if (InTriangle(outline[k], outline[a], outline[b], outline[c])) {
          empty = false;
          break;
        }
      }
      if (!empty) continue;
      triangles.push_back({a, b, c});
      left.erase(left.begin() + static_cast<std::ptrdiff_t>(i));
      clipped = true;
    }
    if (!clipped) return {};
  }
  if (left.size() == 3) triangles.push_back({left[0], left[1], left[2]});
  return triangles;
}

std::vector<Outline> ConvexParts(const Outline& outline) {
  const Outline ccw = CounterClockwise(outline);
  if (IsConvex(ccw)) return {ccw};
  std::vector<Outline> parts;
  for (const auto& t : Triangulate(ccw)) parts.push_back({ccw[t[0]], ccw[t[1]], ccw[t[2]]});
  return parts;
}

}  // namespace varnloft
