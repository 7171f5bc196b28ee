#include "model3d/painting_order.h"

#include <algorithm>
#include <cmath>

namespace varnloft {

namespace {

struct Placed {
  std::vector<Vec3> vertices;  // moved by the offset
  double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;  // on screen
  double depth = 0;  // of the centre, along the view
};

Placed Place(const Mesh& mesh, const Vec3& offset, const ViewTransform& view) {
  Placed p;
  Box3 box;
  for (const Vec3& v : mesh.vertices) {
    const Vec3 at = v + offset;
    p.vertices.push_back(at);
    box.Add(at);
    const Vec3 seen = view.ToView(at);
    const double z = std::max(seen.z, view.nearDepth);
    p.minX = std::min(p.minX, seen.x / z), p.maxX = std::max(p.maxX, seen.x / z);
    p.minY = std::min(p.minY, seen.y / z), p.maxY = std::max(p.maxY, seen.y / z);
  }
  p.depth = view.ToView(box.Centre()).z;
  return p;
}

bool PicturesOverlap(const Placed& a, const Placed& b) {
  return a.minX < b.maxX && b.minX < a.maxX && a.minY < b.maxY && b.minY < a.maxY;
}

// +1 when a face plane of `a` has all of `a` behind it and all of `b` in front of it, and the
// camera on `b`'s side (so `b` is nearer); -1 when the camera is on `a`'s side; 0 when no face
// of `a` separates them.
int SeparatedByFaceOf(const Mesh& mesh, const Placed& a, const Placed& b, const Vec3& eye,
                      double tolerance) {
  for (const MeshFace& face : mesh.faces) {
    if (face.corners.empty()) continue;
    const Vec3& origin = a.vertices[face.corners[0]];
    auto side = [&](const Vec3& v) { return Dot(face.normal, v - origin); };
    bool separates = true;
    for (const Vec3& v : a.vertices) separates = separates && side(v) <= tolerance;
    for (const Vec3& v : b.vertices) separates = separates && side(v) >= -tolerance;
    if (!separates) continue;
    const double camera = side(eye);
    if (std::fabs(camera) > tolerance) return camera > 0 ? 1 : -1;
  }
  return 0;
}

}  // namespace

std::vector<int> PaintingOrder(const TableModel& model, const std::vector<Vec3>& offsets,
                               const ViewTransform& view) {
  const size_t n = model.pieces.size();
  std::vector<Placed> placed;
  placed.reserve(n);
  for (size_t i = 0; i < n; ++i)
    placed.push_back(Place(model.pieces[i].mesh, i < offsets.size() ? offsets[i] : Vec3{}, view));
  const double tolerance = 1e-9 * std::max(1.0, Length(model.Bounds().Size()));

  // after[i]: the pieces to paint after piece i; waitingFor[i]: how many must go before it.
  std::vector<std::vector<int>> after(n);
  std::vector<int> waitingFor(n, 0);
  for (size_t i = 0; i < n; ++i)
    for (size_t j = i + 1; j < n; ++j) {
      if (!PicturesOverlap(placed[i], placed[j])) continue;
      int nearer = SeparatedByFaceOf(model.pieces[i].mesh, placed[i], placed[j], view.eye,
                                     tolerance);  // +1: j nearer
      if (nearer == 0)
        nearer =
            -SeparatedByFaceOf(model.pieces[j].mesh, placed[j], placed[i], view.eye, tolerance);
      if (nearer == 0) nearer = placed[j].depth < placed[i].depth ? 1 : -1;
      const size_t first = nearer > 0 ? i : j, second = nearer > 0 ? j : i;
      after[first].push_back(static_cast<int>(second));
      ++waitingFor[second];
    }

  // Farthest first among the pieces free to go; a cycle (pieces that overlap one another all
  // round) is broken at its farthest piece.
  std::vector<int> order;
  std::vector<char> done(n, 0);
  while (order.size() < n) {
    int pick = -1;
    for (size_t i = 0; i < n; ++i)
      if (!done[i] && waitingFor[i] == 0 && (pick < 0 || placed[i].depth > placed[pick].depth))
        pick = static_cast<int>(i);
    if (pick < 0)
      for (size_t i = 0; i < n; ++i)
        if (!done[i] && (pick < 0 || placed[i].depth > placed[pick].depth))
          pick = static_cast<int>(i);
    done[pick] = 1;
    order.push_back(pick);
    for (int k : after[pick]) --waitingFor[k];
  }
  return order;
}

}  // namespace varnloft
