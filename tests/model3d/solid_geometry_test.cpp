// Outlines, extruded pieces and the exact volume two convex solids share.
#include <gtest/gtest.h>

#include <cmath>

#include "model3d/convex_clip.h"
#include "model3d/outline2d.h"
#include "model3d/prism_mesh.h"

namespace varnloft {
namespace {

const Placement kFlat{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

ConvexSolid Box(const Vec3& at, const Vec3& size) {
  return SolidOfMesh(ExtrudeOutline({{0, 0}, {size.x, 0}, {size.x, size.y}, {0, size.y}}, size.z,
                                    {at, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}}));
}

TEST(Outline, AreaOrientationConvexityAndCrossing) {
  const Outline square = {{0, 0}, {2, 0}, {2, 2}, {0, 2}};
  EXPECT_DOUBLE_EQ(SignedArea(square), 4);
  EXPECT_DOUBLE_EQ(SignedArea(CounterClockwise({{0, 2}, {2, 2}, {2, 0}, {0, 0}})), 4);
  EXPECT_TRUE(IsConvex(square));
  const Outline ell = {{0, 0}, {3, 0}, {3, 1}, {1, 1}, {1, 3}, {0, 3}};
  EXPECT_TRUE(IsSimple(ell));
  EXPECT_FALSE(IsConvex(ell));
  const Outline bowTie = {{0, 0}, {2, 2}, {2, 0}, {0, 2}};
  EXPECT_FALSE(IsSimple(bowTie));
  EXPECT_TRUE(Triangulate(bowTie).empty());
  EXPECT_FALSE(IsSimple({{0, 0}, {1, 0}, {1, 0}, {0, 1}}));  // a zero-length edge

  const auto triangles = Triangulate(ell);
  ASSERT_EQ(triangles.size(), 4u);
  double area = 0;
  for (const auto& t : triangles) area += SignedArea({ell[t[0]], ell[t[1]], ell[t[2]]});
  EXPECT_DOUBLE_EQ(area, 5);
  EXPECT_EQ(ConvexParts(ell).size(), 4u);
  EXPECT_EQ(ConvexParts(square).size(), 1u);
}

TEST(ExtrudedOutline, FacesPointOutwardWhicheverWayItIsPlaced) {
  const Outline trapezoid = {{0.5, 0}, {3.5, 0}, {4, 1}, {0, 1}};
  const Placement placements[] = {
      kFlat,
      {{1, 2, 3}, {0, 1, 0}, {1, 0, 0}, {0, 0, 1}},  // left-handed: the outline turned over
      {{0, 0, 0}, {0, 0.6, 0.8}, {0, -0.8, 0.6}, {1, 0, 0}},
      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, -1}},
  };
  for (const Placement& at : placements) {
    for (const Outline& outline : {trapezoid, Outline(trapezoid.rbegin(), trapezoid.rend())}) {
      const Mesh mesh = ExtrudeOutline(outline, 0.125, at);
      EXPECT_NEAR(MeshVolume(mesh), 3.5 * 0.125, 1e-12);
      ASSERT_EQ(mesh.faces.size(), 6u);
      const Vec3 centre = MeshBounds(mesh).Centre();
      for (const MeshFace& f : mesh.faces) {
        EXPECT_NEAR(Length(f.normal), 1, 1e-12);
        EXPECT_GT(Dot(f.normal, mesh.vertices[f.corners[0]] - centre), 0);
      }
      EXPECT_EQ(mesh.edges.size(), 12u);
      for (const auto& [f1, f2] : mesh.edgeFaces) {
        EXPECT_GE(f1, 0);
        EXPECT_GE(f2, 0);
      }
    }
  }
  // A cap of an outline that is not convex is split, its volume unchanged.
  const Mesh ell = ExtrudeOutline({{0, 0}, {3, 0}, {3, 1}, {1, 1}, {1, 3}, {0, 3}}, 2, kFlat);
  EXPECT_NEAR(MeshVolume(ell), 10, 1e-12);
  EXPECT_EQ(ell.edges.size(), 18u);
}

TEST(ConvexIntersection, BoxesShareTheirOverlapAndTouchingBoxesNothing) {
  const ConvexSolid a = Box({0, 0, 0}, {1, 1, 1});
  EXPECT_NEAR(SolidVolume(a), 1, 1e-12);
  EXPECT_NEAR(IntersectionVolume(a, Box({0.5, 0.25, -0.5}, {1, 1, 1})), 0.5 * 0.75 * 0.5, 1e-12);
  EXPECT_NEAR(IntersectionVolume(a, Box({0.25, 0.25, 0.25}, {0.5, 0.5, 0.5})), 0.125, 1e-12);
  EXPECT_NEAR(IntersectionVolume(a, a), 1, 1e-12);
  EXPECT_EQ(IntersectionVolume(a, Box({1, 0, 0}, {1, 1, 1})), 0);  // face to face
  EXPECT_EQ(IntersectionVolume(a, Box({1, 1, 1}, {1, 1, 1})), 0);  // corner to corner
  EXPECT_EQ(IntersectionVolume(a, Box({3, 0, 0}, {1, 1, 1})), 0);
}

TEST(ConvexIntersection, TurnedSquaresShareAnOctagon) {
  // A unit square and the same square turned 45 degrees about its centre share a regular
  // octagon of area 2 (sqrt 2 - 1).
  const double h = std::sqrt(0.5);
  const Placement turned{{0.5, 0.5 - h, 0}, {h, h, 0}, {-h, h, 0}, {0, 0, 1}};
  const ConvexSolid diamond =
      SolidOfMesh(ExtrudeOutline({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 1, turned));
  EXPECT_NEAR(SolidVolume(diamond), 1, 1e-12);
  const double octagon = 2 * (std::sqrt(2.0) - 1);
  EXPECT_NEAR(IntersectionVolume(Box({0, 0, 0}, {1, 1, 1}), diamond), octagon, 1e-12);
  EXPECT_NEAR(IntersectionVolume(diamond, Box({0, 0, 0}, {1, 1, 1})), octagon, 1e-12);
}

TEST(ConvexIntersection, ClippingKeepsAFaceLyingInThePlaneOnce) {
  const ConvexSolid cube = Box({0, 0, 0}, {1, 1, 1});
  EXPECT_NEAR(SolidVolume(ClipByPlane(cube, {0, 0, 1}, 1, 1e-12)), 1, 1e-12);
  EXPECT_TRUE(ClipByPlane(cube, {0, 0, -1}, -1, 1e-12).empty());
  EXPECT_NEAR(SolidVolume(ClipByPlane(cube, {0, 0, 1}, 0.25, 1e-12)), 0.25, 1e-12);
  // A slanted cut through three corners parts a corner of volume 1/6 from the rest.
  const Vec3 n = Normalized({1, 1, 1});
  EXPECT_NEAR(SolidVolume(ClipByPlane(cube, n, Dot(n, {1, 0, 0}), 1e-12)), 1.0 / 6, 1e-12);
  EXPECT_NEAR(SolidVolume(ClipByPlane(cube, -n, -Dot(n, {1, 0, 0}), 1e-12)), 5.0 / 6, 1e-12);
}

}  // namespace
}  // namespace varnloft
