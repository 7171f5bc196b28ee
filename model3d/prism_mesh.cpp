#include "model3d/prism_mesh.h"

#include <algorithm>

namespace varnloft {

Vec3 PolygonNormal(const std::vector<Vec3>& corners) {
  Vec3 n;
  const size_t count = corners.size();
  for (size_t i = 0; i < count; ++i) {
    const Vec3& a = corners[i];
    const Vec3& b = corners[(i + 1) % count];
    n.x += (a.y - b.y) * (a.z + b.z);
    n.y += (a.z - b.z) * (a.x + b.x);
    n.z += (a.x - b.x) * (a.y + b.y);
  }
  return Normalized(n);
}

namespace {

void AddFace(Mesh& mesh, std::vector<int> corners) {
  std::vector<Vec3> points;
  points.reserve(corners.size());
  for (int c : corners) points.push_back(mesh.vertices[c]);
  mesh.faces.push_back({std::move(corners), PolygonNormal(points)});
}

// Finds, for every edge, the faces that have its two ends as neighbouring corners.
void LinkEdgesToFaces(Mesh& mesh) {
  mesh.edgeFaces.assign(mesh.edges.size(), {-1, -1});
  for (size_t f = 0; f < mesh.faces.size(); ++f) {
    const auto& c = mesh.faces[f].corners;
    for (size_t k = 0; k < c.size(); ++k) {
      const int a = c[k], b = c[(k + 1) % c.size()];
      for (size_t e = 0; e < mesh.edges.size(); ++e) {
        const auto [p, q] = mesh.edges[e];
        if ((p == a && q == b) || (p == b && q == a)) {
          auto& slot = mesh.edgeFaces[e];
          (slot.first < 0 ? slot.first : slot.second) = static_cast<int>(f);
        }
      }
    }
  }
}

}  // namespace

Mesh ExtrudeOutline(const Outline& outline, double thickness, const Placement& at) {
  Mesh mesh;
  const Outline ccw = CounterClockwise(outline);
  const int n = static_cast<int>(ccw.size());
  if (n < 3) return mesh;
  // Vertex i lies on the face at w = 0, vertex n + i on the face at w = thickness.
  for (const Vec2& p : ccw) mesh.vertices.push_back(at.At(p.x, p.y, 0));
  for (const Vec2& p : ccw) mesh.vertices.push_back(at.At(p.x, p.y, thickness));

  // The outline runs counter-clockwise about along × across. When the extrusion goes that way
  // (and the thickness is positive) the far face keeps that winding and the near face is
  // reversed; otherwise the other way round.
  const bool forward = (Dot(Cross(at.along, at.across), at.through) > 0) == (thickness > 0);
  std::vector<std::vector<int>> capParts;
  if (IsConvex(ccw)) {
    std::vector<int> all(n);
    for (int i = 0; i < n; ++i) all[i] = i;
    capParts.push_back(all);
  } else {
    for (const auto& t : Triangulate(ccw)) capParts.push_back({t[0], t[1], t[2]});
  }
  for (const auto& part : capParts) {
    std::vector<int> near(part.rbegin(), part.rend()), far;
    for (int i : part) far.push_back(i + n);
    if (!forward) {
      std::reverse(far.begin(), far.end());
      std::reverse(near.begin(), near.end());
    }
    AddFace(mesh, near);
    AddFace(mesh, far);
  }
  for (int i = 0; i < n; ++i) {
    const int j = (i + 1) % n;
    if (forward) {
      AddFace(mesh, {i, j, j + n, i + n});
    } else {
      AddFace(mesh, {i, i + n, j + n, j});
    }
    mesh.edges.emplace_back(i, j);
    mesh.edges.emplace_back(i + n, j + n);
    mesh.edges.emplace_back(i, i + n);
  }
  LinkEdgesToFaces(mesh);
  return mesh;
}

double MeshVolume(const Mesh& mesh) {
  if (mesh.vertices.empty()) return 0;
  const Vec3 r = mesh.vertices.front();  // a near reference point keeps the sum accurate
  double sixfold = 0;
  for (const MeshFace& f : mesh.faces) {
    const Vec3 a = mesh.vertices[f.corners[0]] - r;
    for (size_t k = 1; k + 1 < f.corners.size(); ++k) {
      const Vec3 b = mesh.vertices[f.corners[k]] - r;
      const Vec3 c = mesh.vertices[f.corners[k + 1]] - r;
      sixfold += Dot(a, Cross(b, c));
    }
  }
  return sixfold / 6;
}

Box3 MeshBounds(const Mesh& mesh) {
  Box3 box;
  for (const Vec3& v : mesh.vertices) box.Add(v);
  return box;
}

}  // namespace varnloft
