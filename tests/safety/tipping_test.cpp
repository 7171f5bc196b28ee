// Tipping: the force one person needs to tip the table, worked by hand on a square footprint and
// on the built-in table, and the places the person is put.
#include "safety/tipping.h"

#include <gtest/gtest.h>

#include "model3d/build_table_model.h"
#include "safety/safety_check.h"
#include "safety/si_units.h"
#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

const std::vector<Vec2> kSquare = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

TEST(Tipping, LoadBeyondOneEdgeNeedsTheWeightTimesTheLeverRatio) {
  // 500 N at (0.5, 0.5), load at (1.25, 0.5): 500 × 0.5 / 0.25 = 1,000 N about the edge x = 1.
  const TippingCase light =
      CheckTipping({"beyond", {1.25, 0.5, 0.4}}, 800, 500, {0.5, 0.5}, kSquare);
  ASSERT_TRUE(light.tippingForceN);
  EXPECT_NEAR(*light.tippingForceN, 1000, 1e-9);
  ASSERT_TRUE(light.edge);
  EXPECT_EQ(light.edge->first.x, 1);
  EXPECT_EQ(light.edge->second.x, 1);
  EXPECT_TRUE(light.ok);
  EXPECT_FALSE(CheckTipping({"beyond", {1.25, 0.5, 0.4}}, 1000, 500, {0.5, 0.5}, kSquare).ok);
}

TEST(Tipping, LoadBeyondACornerTurnsAboutTheEdgeItsLineLeavesBy) {
  // From (0.5, 0.5) to (1.5, 1.25) the line crosses x = 1 at y = 0.875, inside the edge, before
  // it reaches y = 1: 500 × 0.5 / 0.5 = 500 N about x = 1 (about y = 1 it would be 666.7 N).
  const TippingCase c = CheckTipping({"corner", {1.5, 1.25, 0}}, 400, 500, {0.5, 0.5}, kSquare);
  ASSERT_TRUE(c.tippingForceN);
  EXPECT_NEAR(*c.tippingForceN, 500, 1e-9);
  EXPECT_EQ(c.edge->first.x, 1);
  EXPECT_TRUE(c.ok);
}

TEST(Tipping, InsideNoneCanTipAndACentreOutsideCannotStand) {
  const TippingCase inside = CheckTipping({"in", {0.9, 0.1, 0}}, 1e6, 500, {0.5, 0.5}, kSquare);
  EXPECT_FALSE(inside.tippingForceN);
  EXPECT_FALSE(inside.edge);
  EXPECT_TRUE(inside.ok);
  const TippingCase fallen = CheckTipping({"in", {0.5, 0.5, 0}}, 1, 500, {1.5, 0.5}, kSquare);
  ASSERT_TRUE(fallen.tippingForceN);
  EXPECT_EQ(*fallen.tippingForceN, 0);
  EXPECT_FALSE(fallen.ok);
}

TEST(Tipping, TheTenPlacesLieFiftyMillimetresInFromTheSeatsAndTableTopEdges) {
  const DesignRecord rec = testing::BuiltInDesign(true);
  const std::vector<LoadCase> cases = TippingLoadCases(BuildTableModel(rec));
  ASSERT_EQ(cases.size(), 10u);
  const double ft = kMetresPerFoot;
  // The front seat's outer edge is the model's y = 0; the seats run the seat length centred on
  // the table; the table top is 72 in long with its end caps.
  EXPECT_EQ(cases[0].name, "front seat, middle of the outer edge");
  EXPECT_NEAR(cases[0].point.x, rec.OverallLength * ft / 2, 1e-9);
  EXPECT_NEAR(cases[0].point.y, 0.050, 1e-9);
  EXPECT_NEAR(cases[0].point.z, rec.SeatHeight * ft, 1e-6);
  EXPECT_NEAR(cases[1].point.x, (rec.OverallLength - rec.SeatLength) * ft / 2 + 0.050, 1e-6);
  EXPECT_NEAR(cases[5].point.y, rec.OverallWidth * ft - 0.050, 1e-6);
  EXPECT_EQ(cases[9].name, "table top, back edge, right end");
  EXPECT_NEAR(cases[9].point.x, rec.OverallLength * ft - 0.050, 1e-6);
  EXPECT_NEAR(cases[9].point.z, rec.TableHeight * ft, 1e-6);
  const double topFront = (rec.SeatWidth + rec.SeatToTableDistance) * ft;
  EXPECT_NEAR(cases[6].point.y, topFront + 0.050, 1e-6);
}

TEST(Tipping, BuiltInTableTopCornerWorkedByHand) {
  // Exterior supports: the legs' outer faces stand 3.5 + 1.5 = 5 in = 0.127 m in from the ends.
  // A person 50 mm in from the table top's end is 0.077 m beyond that edge; the centre of mass
  // lies at mid-length, 0.9144 - 0.127 = 0.7874 m inside it.
  const DesignRecord rec = testing::BuiltInDesign(true);
  const SafetyCheck check = CheckSafety(rec, BuildTableModel(rec));
  ASSERT_TRUE(check.cannotCheck.empty()) << check.cannotCheck;
  EXPECT_NEAR(check.centreOfMass.x, 0.9144, 1e-6);
  const double weight = check.tableMassKg * kStandardGravity;
  const TippingCase& corner = check.stability[6];
  ASSERT_TRUE(corner.tippingForceN);
  EXPECT_NEAR(*corner.tippingForceN, weight * 0.7874 / 0.077, 1e-3);
  EXPECT_EQ(corner.ok, 110 * kStandardGravity < weight * 0.7874 / 0.077);
}

}  // namespace
}  // namespace varnloft
