#pragma once
// A piece's solid: its flat outline laid into the table by a placement and extruded through the
// lumber thickness. Faces are convex polygons wound counter-clockwise seen from outside, so
// their normals point out; the edges are the piece's real edges (no triangle diagonals).
#include <utility>
#include <vector>

#include "model3d/outline2d.h"
#include "model3d/vec.h"

namespace varnloft {

// Where a flat outline lies: outline point (u, v) at depth w into the board goes to
// origin + u·along + v·across + w·through. The three directions are unit and at right angles.
struct Placement {
  Vec3 origin, along, across, through;

  Vec3 At(double u, double v, double w) const {
    return origin + along * u + across * v + through * w;
  }
};

struct MeshFace {
  std::vector<int> corners;
  Vec3 normal;  // unit, outward
};

struct Mesh {
  std::vector<Vec3> vertices;
  std::vector<MeshFace> faces;
  std::vector<std::pair<int, int>> edges;
  // For each edge, the two faces that meet along it (-1 where a face is missing), so that a
  // renderer draws only the edges of faces it can see.
  std::vector<std::pair<int, int>> edgeFaces;
};

// The prism of `outline` (any orientation; a simple outline that is not convex has its two end
// faces split into triangles) placed by `at`, `thickness` deep along at.through.
Mesh ExtrudeOutline(const Outline& outline, double thickness, const Placement& at);

// The enclosed volume (positive for outward faces).
double MeshVolume(const Mesh& mesh);

Box3 MeshBounds(const Mesh& mesh);

// The unit normal of a planar polygon wound counter-clockwise about it (Newell's method).
Vec3 PolygonNormal(const std::vector<Vec3>& corners);

}  // namespace varnloft
