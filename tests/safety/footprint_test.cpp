// The footprint: the convex hull, and the built-in table's footprint taken from the whole
// contact faces of its splayed legs.
#include "safety/footprint.h"

#include <gtest/gtest.h>

#include <cmath>

#include "measure/angles.h"
#include "model3d/build_table_model.h"
#include "safety/si_units.h"
#include "tests/safety/si_lengths.h"
#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

TEST(ConvexHull, DropsInnerAndCollinearPointsAndRunsCounterClockwise) {
  const std::vector<Vec2> hull =
      ConvexHull({{1, 1}, {0, 0}, {2, 0}, {1, 0}, {2, 2}, {0, 2}, {0.5, 1.5}, {0, 1}, {2, 2}});
  ASSERT_EQ(hull.size(), 4u);
  double twiceArea = 0;
  for (size_t i = 0; i < hull.size(); ++i) {
    const Vec2& a = hull[i];
    const Vec2& b = hull[(i + 1) % hull.size()];
    twiceArea += a.x * b.y - b.x * a.y;
  }
  EXPECT_DOUBLE_EQ(twiceArea, 8);  // a 2 × 2 square, counter-clockwise
}

TEST(ConvexHull, PointsOnALineOrOnePlaceEncloseNoArea) {
  EXPECT_LT(ConvexHull({{0, 0}, {1, 1}, {2, 2}, {3, 3}}).size(), 3u);
  EXPECT_LT(ConvexHull({{1, 1}, {1, 1}, {1, 1}}).size(), 3u);
  EXPECT_TRUE(ConvexHull({}).empty());
  EXPECT_LT(ConvexHull({{0, 0}, {NAN, 1}, {1, INFINITY}}).size(), 3u);
}

class BuiltInFootprint : public ::testing::TestWithParam<bool> {};

TEST_P(BuiltInFootprint, SpansTheFeetOfTheSplayedLegsWholly) {
  const bool exterior = GetParam();
  const DesignRecord rec = testing::BuiltInDesign(exterior);
  const TableModel model = BuildTableModel(rec);
  const std::vector<Vec2> contacts = FloorContactPoints(model);
  ASSERT_EQ(contacts.size(), 16u);  // four feet, four corners each

  // A leg leaning LegAngle off the vertical meets the floor with a cut LegWidth / cos(LegAngle)
  // wide across the table: 3.5 in / cos(30.96°) = 4.08 in on the built-in table.
  double frontLow = HUGE_VAL, frontHigh = -HUGE_VAL;
  for (const Vec2& p : contacts) {
    if (p.y < rec.OverallWidth * kFt / 2) {
      frontLow = std::fmin(frontLow, p.y);
      frontHigh = std::fmax(frontHigh, p.y);
    }
  }
  EXPECT_NEAR(frontHigh - frontLow, rec.LegWidth / CosDeg(rec.LegAngle) * kFt, 1e-6);

  // Along the table the feet reach the frames' outer faces: the legs stand outside the supports
  // (3.5 in + 0 in) with interior supports and inside them (3.5 in + 1.5 in) with exterior ones.
  const double outerFace = (rec.LeftDeckOverhang + (exterior ? rec.LumberThickness : 0)) * kFt;
  const std::vector<Vec2> hull = Footprint(model);
  ASSERT_EQ(hull.size(), 4u);
  double minX = HUGE_VAL, maxX = -HUGE_VAL, minY = HUGE_VAL, maxY = -HUGE_VAL;
  for (const Vec2& p : hull) {
    minX = std::fmin(minX, p.x);
    maxX = std::fmax(maxX, p.x);
    minY = std::fmin(minY, p.y);
    maxY = std::fmax(maxY, p.y);
  }
  EXPECT_NEAR(minX, outerFace, 1e-6);
  EXPECT_NEAR(maxX, rec.OverallLength * kFt - outerFace, 1e-6);
  EXPECT_NEAR(minY, frontLow, 1e-12);
  EXPECT_NEAR(minY + maxY, rec.OverallWidth * kFt, 1e-6);  // the feet stand symmetrically
}

INSTANTIATE_TEST_SUITE_P(BothSupportSides, BuiltInFootprint, ::testing::Bool());

}  // namespace
}  // namespace varnloft
