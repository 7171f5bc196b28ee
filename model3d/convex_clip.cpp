#include "model3d/convex_clip.h"

#include <algorithm>
#include <cmath>

namespace varnloft {

namespace {

// The convex hull, counter-clockwise, of points given in a plane's 2D basis (monotone chain).
std::vector<size_t> Hull2(const std::vector<Vec2>& p) {
  std::vector<size_t> order(p.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return p[a].x < p[b].x || (p[a].x == p[b].x && p[a].y < p[b].y);
  });
  auto cross = [&](size_t o, size_t a, size_t b) {
    return (p[a].x - p[o].x) * (p[b].y - p[o].y) - (p[a].y - p[o].y) * (p[b].x - p[o].x);
  };
  std::vector<size_t> hull(2 * order.size());
  size_t k = 0;
  for (size_t i : order) {
    while (k >= 2 && cross(hull[k - 2], hull[k - 1], i) <= 0) --k;
    hull[k++] = i;
  }
  for (size_t j = order.size() - 1, lower = k + 1; j-- > 0;) {
    const size_t i = order[j];
    while (k >= lower && cross(hull[k - 2], hull[k - 1], i) <= 0) --k;
    hull[k++] = i;
  }
  hull.resize(k > 1 ? k - 1 : k);
  return hull;
}

// Two unit directions in the plane with normal n, such that e1 × e2 = n.
void PlaneBasis(const Vec3& n, Vec3& e1, Vec3& e2) {
  const Vec3 helper = std::fabs(n.x) < 0.6 ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
  e1 = Normalized(Cross(helper, n));
  e2 = Cross(n, e1);
}

double Extent(const ConvexSolid& solid) {
  Box3 box;
  for (const auto& face : solid)
    for (const Vec3& p : face) box.Add(p);
  const Vec3 s = box.Size();
  return std::max({s.x, s.y, s.z, std::fabs(box.min.x), std::fabs(box.min.y), std::fabs(box.min.z),
                   std::fabs(box.max.x), std::fabs(box.max.y), std::fabs(box.max.z)});
}

}  // namespace

ConvexSolid SolidOfMesh(const Mesh& mesh) {
  ConvexSolid solid;
  for (const MeshFace& f : mesh.faces) {
    Polygon3 face;
    for (int c : f.corners) face.push_back(mesh.vertices[c]);
    solid.push_back(std::move(face));
  }
  return solid;
}

double SolidVolume(const ConvexSolid& solid) {
  if (solid.empty() || solid.front().empty()) return 0;
  const Vec3 r = solid.front().front();
  double sixfold = 0;
  for (const Polygon3& f : solid) {
    for (size_t k = 1; k + 1 < f.size(); ++k)
      sixfold += Dot(f[0] - r, Cross(f[k] - r, f[k + 1] - r));
  }
  return sixfold / 6;
}

ConvexSolid ClipByPlane(const ConvexSolid& solid, const Vec3& normal, double offset,
                        double tolerance) {
  auto side = [&](const Vec3& p) {
    const double d = Dot(normal, p) - offset;
    return d > tolerance ? d : (d < -tolerance ? d : 0.0);
  };
  bool inside = false, outside = false;
  for (const Polygon3& f : solid) {
    for (const Vec3& p : f) {
      const double s = side(p);
      inside = inside || s < 0;
      outside = outside || s > 0;
    }
  }
  if (!outside) return solid;  // also keeps a face lying in the plane from being doubled
  if (!inside) return {};

  ConvexSolid kept;
  std::vector<Vec3> section;
  for (const Polygon3& f : solid) {
    Polygon3 out;
    const size_t n = f.size();
    for (size_t i = 0; i < n; ++i) {
      const Vec3& a = f[i];
      const Vec3& b = f[(i + 1) % n];
      const double sa = side(a), sb = side(b);
      if (sa <= 0) out.push_back(a);
      if (sa == 0) section.push_back(a);
      if ((sa < 0 && sb > 0) || (sa > 0 && sb < 0)) {
        const Vec3 cut = a + (b - a) * (sa / (sa - sb));
        out.push_back(cut);
        section.push_back(cut);
      }
    }
    if (out.size() >= 3) kept.push_back(std::move(out));
  }

  // The new face closing the cut: the hull of the section points, facing along the normal.
  Vec3 e1, e2;
  PlaneBasis(Normalized(normal), e1, e2);
  std::vector<Vec2> flat;
  flat.reserve(section.size());
  for (const Vec3& p : section) flat.push_back({Dot(p, e1), Dot(p, e2)});
  if (flat.size() >= 3) {
    Polygon3 cap;
    for (size_t i : Hull2(flat)) cap.push_back(section[i]);
    if (cap.size() >= 3) kept.push_back(std::move(cap));
  }
  return kept;
}

ConvexSolid Intersection(const ConvexSolid& a, const ConvexSolid& b) {
  const double tolerance = 1e-12 * std::max({1.0, Extent(a), Extent(b)});
  ConvexSolid part = a;
  for (const Polygon3& face : b) {
    if (face.size() < 3) continue;
    const Vec3 n = PolygonNormal(face);
    Vec3 centre;
    for (const Vec3& p : face) centre += p;
    centre = centre / static_cast<double>(face.size());
    part = ClipByPlane(part, n, Dot(n, centre), tolerance);
    if (part.empty()) break;
  }
  return part;
}

double IntersectionVolume(const ConvexSolid& a, const ConvexSolid& b) {
  return std::max(0.0, SolidVolume(Intersection(a, b)));
}

}  // namespace varnloft
