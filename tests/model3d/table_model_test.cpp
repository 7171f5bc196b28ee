// The assembled table: the pieces of the member list, numbered and placed where the end view and
// the side view draw them, on both sides of the supports.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "measure/angles.h"
#include "model3d/build_table_model.h"
#include "test_designs.h"

namespace varnloft {
namespace {

using testing::BuiltInTable;
using testing::BuiltInTableWith;

constexpr double kNear = 1e-6;  // feet: the record's floats, read back through the placement

const ModelPiece& Piece(const TableModel& model, const std::string& name) {
  for (const ModelPiece& p : model.pieces)
    if (p.name == name) return p;
  ADD_FAILURE() << "no piece " << name;
  static const ModelPiece none;
  return none;
}

Box3 BoxOf(const TableModel& model, const std::string& name) {
  return MeshBounds(Piece(model, name).mesh);
}

// True when the point (y, z) of the end view is a corner of the piece (at any x).
bool HasEndViewCorner(const ModelPiece& piece, double y, double z) {
  for (const Vec3& v : piece.mesh.vertices)
    if (std::fabs(v.y - y) < kNear && std::fabs(v.z - z) < kNear) return true;
  return false;
}

TEST(TableModel, BuiltInTableHasEveryPieceOfTheMemberListNumberedInItsOrder) {
  const TableModel model = BuildTableModel(BuiltInTable(true));
  std::vector<std::string> names;
  for (const ModelPiece& p : model.pieces) names.push_back(p.name);
  const std::vector<std::string> expected = {"Leg 1",
                                             "Leg 2",
                                             "Leg 3",
                                             "Leg 4",
                                             "Outer Support 1",
                                             "Outer Support 2",
                                             "Centre Support 1",
                                             "Seat Support 1",
                                             "Seat Support 2",
                                             "Brace 1",
                                             "Brace 2",
                                             "Seat 1",
                                             "Seat 2",
                                             "Seat 3",
                                             "Seat 4",
                                             "Table Top 1",
                                             "Table Top 2",
                                             "Table Top 3",
                                             "Table Top 4",
                                             "Table Top 5",
                                             "Table Top 6"};
  EXPECT_EQ(names, expected);
  EXPECT_TRUE(model.notes.empty());
}

TEST(TableModel, BoundingBoxIsOverallLengthByOverallWidthByTableHeight) {
  for (bool exterior : {true, false}) {
    const DesignRecord rec = BuiltInTable(exterior);
    const Box3 box = BuildTableModel(rec).Bounds();
    EXPECT_NEAR(box.min.x, 0, kNear);
    EXPECT_NEAR(box.max.x, rec.OverallLength, kNear);
    EXPECT_NEAR(box.min.y, 0, kNear);
    EXPECT_NEAR(box.max.y, rec.OverallWidth, kNear);
    EXPECT_NEAR(box.min.z, 0, kNear);
    EXPECT_NEAR(box.max.z, rec.TableHeight, kNear);
    // 6 ft by 62 3/4 in by 29 1/2 in.
    EXPECT_NEAR(box.max.x * 12, 72, 1e-4);
    EXPECT_NEAR(box.max.y * 12, 62.75, 1e-4);
    EXPECT_NEAR(box.max.z * 12, 29.5, 1e-4);
  }
}

TEST(TableModel, LegsStandOnTheEndViewsLegLinesFrontAndBack) {
  const DesignRecord rec = BuiltInTable(true);
  const TableModel model = BuildTableModel(rec);
  const double t = rec.LumberThickness, H = rec.TableHeight;
  const double k = TanDeg(rec.LegAngle), LC = rec.LegCutWidth;
  const double xd = rec.SeatWidth + rec.SeatToTableDistance;
  const double xl = xd + 2 * k * rec.OuterSupportDepth;
  const double xr = xd + rec.TableTopWidth - 2 * k * rec.OuterSupportDepth;
  const double spread = k * (H - t);
  for (const char* front : {"Leg 1", "Leg 3"}) {
    const ModelPiece& leg = Piece(model, front);
    EXPECT_TRUE(HasEndViewCorner(leg, xl, H - t)) << front;
    EXPECT_TRUE(HasEndViewCorner(leg, xl + LC, H - t)) << front;
    EXPECT_TRUE(HasEndViewCorner(leg, xl - spread, 0)) << front;
    EXPECT_TRUE(HasEndViewCorner(leg, xl - spread + LC, 0)) << front;
  }
  for (const char* back : {"Leg 2", "Leg 4"}) {
    const ModelPiece& leg = Piece(model, back);
    EXPECT_TRUE(HasEndViewCorner(leg, xr, H - t)) << back;
    EXPECT_TRUE(HasEndViewCorner(leg, xr - LC, H - t)) << back;
    EXPECT_TRUE(HasEndViewCorner(leg, xr + spread, 0)) << back;
    EXPECT_TRUE(HasEndViewCorner(leg, xr + spread - LC, 0)) << back;
  }
  // The outer edge of the front leg meets the seat support's top at SeatSupportExtension.
  const double seatSupportTop = rec.SeatHeight - t;
  const double outerEdgeThere = xl - k * (H - t - seatSupportTop);
  EXPECT_NEAR(outerEdgeThere, rec.SeatSupportExtension, kNear);
}

TEST(TableModel, EndFrameBandsSwapWithTheSupportSide) {
  for (bool exterior : {true, false}) {
    const DesignRecord rec = BuiltInTable(exterior);
    const TableModel model = BuildTableModel(rec);
    const double t = rec.LumberThickness, LD = rec.LeftDeckOverhang;
    const double right = rec.OverallLength - rec.RightDeckOverhang;
    const double legLeft = exterior ? LD + t : LD;
    const double supportLeft = exterior ? LD : LD + t;
    for (const char* leg : {"Leg 1", "Leg 2"}) {
      EXPECT_NEAR(BoxOf(model, leg).min.x, legLeft, kNear) << leg << exterior;
      EXPECT_NEAR(BoxOf(model, leg).max.x, legLeft + t, kNear) << leg << exterior;
    }
    for (const char* leg : {"Leg 3", "Leg 4"}) {
      EXPECT_NEAR(BoxOf(model, leg).max.x, right - (legLeft - LD), kNear) << leg << exterior;
    }
    for (const char* support : {"Outer Support 1", "Seat Support 1"})
      EXPECT_NEAR(BoxOf(model, support).min.x, supportLeft, kNear) << support << exterior;
    for (const char* support : {"Outer Support 2", "Seat Support 2"})
      EXPECT_NEAR(BoxOf(model, support).max.x, right - (supportLeft - LD), kNear)
          << support << exterior;
  }
}

TEST(TableModel, BracesRunOnTheCentreLineFromTheFrameFacesToTheCentreSupport) {
  for (bool exterior : {true, false}) {
    const DesignRecord rec = BuiltInTable(exterior);
    const TableModel model = BuildTableModel(rec);
    const double t = rec.LumberThickness, LD = rec.LeftDeckOverhang;
    const double face = LD + (exterior ? t : 2 * t);
    const Box3 centre = BoxOf(model, "Centre Support 1");
    EXPECT_NEAR(centre.min.x, face + rec.BraceRun, kNear);
    const Box3 left = BoxOf(model, "Brace 1"), right = BoxOf(model, "Brace 2");
    EXPECT_NEAR(left.min.x, face, kNear);
    EXPECT_NEAR(left.max.x, centre.min.x, kNear);
    EXPECT_NEAR(right.min.x, centre.max.x, kNear);
    EXPECT_NEAR(right.max.x, rec.OverallLength - rec.RightDeckOverhang - (face - LD), kNear);
    EXPECT_NEAR(left.min.y + left.max.y, rec.OverallWidth, kNear);
    EXPECT_NEAR(left.max.y - left.min.y, t, kNear);
    // The top corner touches the deck; the foot is centred on the seat support.
    EXPECT_NEAR(left.max.z, rec.TableHeight - t, kNear);
    const double seatSupportMiddle = rec.SeatHeight - t - rec.SeatSupportDepth / 2.0;
    EXPECT_NEAR(left.min.z + rec.CentreSupportDepth / 2.0, seatSupportMiddle, kNear);
  }
}

TEST(TableModel, BoardsLieWithTheirGapsAndOverhangs) {
  const DesignRecord rec = BuiltInTableWith({{"endCapSize:1", "1.5"},
                                             {"endCapSize:0", "2 X 2"},
                                             {"leftSeatOverhang:0", "6"},
                                             {"leftSeatOverhang:1", "0"}},
                                            true);
  const TableModel model = BuildTableModel(rec);
  const double ec = rec.EndCapWidth, t = rec.LumberThickness;
  const Box3 top1 = BoxOf(model, "Table Top 1"), top2 = BoxOf(model, "Table Top 2");
  EXPECT_NEAR(top1.min.x, ec, kNear);
  EXPECT_NEAR(top1.max.x, rec.OverallLength - ec, kNear);
  EXPECT_NEAR(top2.min.y - top1.max.y, rec.DeckGap, kNear);
  EXPECT_NEAR(top1.min.y, rec.SeatWidth + rec.SeatToTableDistance, kNear);
  EXPECT_NEAR(top1.min.z, rec.TableHeight - t, kNear);
  const Box3 cap1 = BoxOf(model, "End Cap 1"), cap2 = BoxOf(model, "End Cap 2");
  EXPECT_NEAR(cap1.max.x, ec, kNear);
  EXPECT_NEAR(cap2.min.x, rec.OverallLength - ec, kNear);
  EXPECT_NEAR(cap1.max.y - cap1.min.y, rec.TableTopWidth, kNear);
  // Seats: front seat first, then the back seat; the left seat overhang is longer here.
  const Box3 seat1 = BoxOf(model, "Seat 1"), seat4 = BoxOf(model, "Seat 4");
  EXPECT_NEAR(seat1.min.y, 0, kNear);
  EXPECT_NEAR(seat4.max.y, rec.OverallWidth, kNear);
  EXPECT_NEAR(seat1.min.x, rec.LeftDeckOverhang - rec.LeftSeatOverhang, kNear);
  EXPECT_NEAR(seat1.max.z, rec.SeatHeight, kNear);
}

}  // namespace
}  // namespace varnloft
