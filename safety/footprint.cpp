#include "safety/footprint.h"

#include <algorithm>
#include <cmath>

#include "safety/model_parts.h"

namespace varnloft {

namespace {

// How close to the lowest level (metres) and to straight down a face must be to stand on it.
constexpr double kFloorTolerance = 1e-6;
constexpr double kDownwardCosine = 0.999;

double Turn(const Vec2& o, const Vec2& a, const Vec2& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

}  // namespace

std::vector<Vec2> FloorContactPoints(const TableModel& model) {
  double floor = HUGE_VAL;
  for (const ModelPiece& piece : model.pieces)
    for (const Vec3& v : piece.mesh.vertices) floor = std::fmin(floor, InMetres(v).z);
  std::vector<Vec2> points;
  if (!std::isfinite(floor)) return points;
  for (const ModelPiece& piece : model.pieces) {
    for (const MeshFace& face : piece.mesh.faces) {
      if (face.corners.empty() || !(face.normal.z <= -kDownwardCosine)) continue;
      bool onFloor = true;
      for (int c : face.corners)
        onFloor = onFloor && InMetres(piece.mesh.vertices[c]).z <= floor + kFloorTolerance;
      if (!onFloor) continue;
      for (int c : face.corners) {
        const Vec3 p = InMetres(piece.mesh.vertices[c]);
        points.push_back({p.x, p.y});
      }
    }
  }
  return points;
}

std::vector<Vec2> ConvexHull(std::vector<Vec2> points) {
  points.erase(
      std::remove_if(points.begin(), points.end(),
                     [](const Vec2& p) { return !std::isfinite(p.x) || !std::isfinite(p.y); }),
      points.end());
  std::sort(points.begin(), points.end(),
            [](const Vec2& a, const Vec2& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  if (points.size() < 3) return points;
  // Andrew's monotone chain: the lower hull left to right, then the upper hull back.
  std::vector<Vec2> hull(2 * points.size());
  size_t k = 0;
  for (const Vec2& p : points) {
    while (k >= 2 && Turn(hull[k - 2], hull[k - 1], p) <= 0) --k;
    hull[k++] = p;
  }
  for (size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
    while (k >= lower && Turn(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
    hull[k++] = points[i];
  }
  hull.resize(k - 1);
  return hull;
}

std::vector<Vec2> Footprint(const TableModel& model) {
  return ConvexHull(FloorContactPoints(model));
}

}  // namespace varnloft
