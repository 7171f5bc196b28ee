#pragma once
// Convex solids as lists of faces, clipped by planes: the exact volume two convex pieces share.
#include <vector>

#include "model3d/prism_mesh.h"
#include "model3d/vec.h"

namespace varnloft {

using Polygon3 = std::vector<Vec3>;
// A closed convex solid; each face wound counter-clockwise seen from outside.
using ConvexSolid = std::vector<Polygon3>;

ConvexSolid SolidOfMesh(const Mesh& mesh);

double SolidVolume(const ConvexSolid& solid);

// The part of `solid` on the side dot(normal, p) <= offset. Points within `tolerance` of the
// plane count as lying on it, so a solid that only touches the plane is kept whole or dropped
// whole, never cut into a sliver.
ConvexSolid ClipByPlane(const ConvexSolid& solid, const Vec3& normal, double offset,
                        double tolerance);

// The intersection of two convex solids (empty when they do not overlap or only touch).
ConvexSolid Intersection(const ConvexSolid& a, const ConvexSolid& b);

// The volume of the intersection of two convex solids.
double IntersectionVolume(const ConvexSolid& a, const ConvexSolid& b);

}  // namespace varnloft
