// The list of members the plan sheet draws and the materials buy: names, counts, shapes, holes
// and outlines of the built-in table, and the members a design may lack.
#include "design/table_members.h"

#include <gtest/gtest.h>

#include <string>

namespace varnloft {
namespace {

// The built-in Adult Standard table's record as the calculation leaves it.
DesignRecord BuiltInRecord() {
  DesignRecord rec;
  rec.ImperialUnits = true;
  rec.LumberThickness = 0.125f;
  rec.OverallLength = 6;
  rec.DeckBoardWidth = rec.SeatBoardWidth = 0.458333343f;
  rec.OuterSupportDepth = rec.CentreSupportDepth = rec.SeatSupportDepth = 0.291666657f;
  rec.LegWidth = 0.291666657f;
  rec.DeckBoardCount = 6;
  rec.SeatBoardCount = 2;
  rec.TableTopWidth = 2.85416675f;
  rec.OverallWidth = 5.22916698f;
  rec.SeatLength = 6;
  rec.LegAngle = 30.9637623f;
  rec.LegLength = 2.72111106f;
  rec.TopLegHole = 0.257569462f;
  rec.LowerLegHole = 1.42375982f;
  rec.OuterSupportHole = 0.427638888f;
  rec.SeatHole = 1.0200696f;
  rec.BraceAngle = 21.6379395f;
  rec.BraceLength = 2.71193647f;
  rec.BraceCutWidth = 0.271113634f;
  return rec;
}

void ExpectOutline(const TableMember& m, const std::vector<FlatPoint>& expected) {
  ASSERT_EQ(m.outline.size(), expected.size()) << m.name;
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(m.outline[i].x, expected[i].x, 5e-4) << m.name << " corner " << i;
    EXPECT_NEAR(m.outline[i].y, expected[i].y, 5e-4) << m.name << " corner " << i;
  }
}

TEST(TableMembers, BuiltInTableInDrawingOrderWithCountsShapesAndOutlines) {
  const std::vector<TableMember> members = TableMembers(BuiltInRecord());
  std::vector<std::string> names;
  names.reserve(members.size());
  for (const TableMember& m : members) names.emplace_back(m.name);
  EXPECT_EQ(names, (std::vector<std::string>{"Leg", "Outer Support", "Centre Support",
                                             "Seat Support", "Brace", "Seat", "Table Top"}));

  const TableMember& leg = *FindMember(members, MemberKind::Leg);
  EXPECT_EQ(leg.count, 4);
  EXPECT_EQ(leg.shape, MemberShape::Parallelogram);
  EXPECT_NEAR(leg.cutOffset, 0.175, 1e-6);  // tan 31 degrees x 3 1/2 in
  ExpectOutline(leg, {{0.175, 0}, {2.896, 0}, {2.721, 0.292}, {0, 0.292}});
  EXPECT_EQ(leg.holes, (std::vector<double>{1.42375982f, 0.257569462f}));

  const TableMember& outer = *FindMember(members, MemberKind::OuterSupport);
  EXPECT_EQ(outer.count, 2);
  EXPECT_EQ(outer.shape, MemberShape::Trapezoid);
  ExpectOutline(outer, {{0.175, 0}, {2.679, 0}, {2.854, 0.292}, {0, 0.292}});
  EXPECT_NEAR(outer.holes[1], 2.85416675 - 0.427638888, 1e-6);

  const TableMember& brace = *FindMember(members, MemberKind::Brace);
  EXPECT_EQ(brace.count, 2);
  EXPECT_NEAR(brace.cutOffset, 0.271113634 * 0.3966, 2e-4);  // tan 21.6 degrees

  const TableMember& seat = *FindMember(members, MemberKind::Seat);
  EXPECT_EQ(seat.count, 4);  // two a side
  ExpectOutline(seat, {{0, 0}, {6, 0}, {6, 0.458}, {0, 0.458}});
  EXPECT_EQ(FindMember(members, MemberKind::TableTop)->count, 6);
  for (const TableMember& m : members) EXPECT_TRUE(m.present) << m.name;
}

TEST(TableMembers, EndCapsShortenTheTableTopsAndNoCentreSupportLeavesItAndTheBracesAbsent) {
  DesignRecord rec = BuiltInRecord();
  rec.EndCapWidth = 0.0625f;
  rec.CentreSupportDepth = 0;
  const std::vector<TableMember> members = TableMembers(rec);
  const TableMember* cap = FindMember(members, MemberKind::EndCap);
  ASSERT_NE(cap, nullptr);
  EXPECT_EQ(cap->count, 2);
  EXPECT_EQ(cap->length, rec.TableTopWidth);
  EXPECT_EQ(FindMember(members, MemberKind::TableTop)->length, 6 - 2 * 0.0625);
  EXPECT_EQ(TableTopLengthOf(rec), 5.875f);
  // Still listed, since the plan sheet draws their blocks, but not part of this design.
  EXPECT_FALSE(FindMember(members, MemberKind::CentreSupport)->present);
  EXPECT_FALSE(FindMember(members, MemberKind::Brace)->present);

  rec.EndCapWidth = 0;
  EXPECT_EQ(FindMember(TableMembers(rec), MemberKind::EndCap), nullptr);
}

TEST(TableMembers, ANegativeAngleStillStartsTheOutlineAtItsLeftmostPoint) {
  DesignRecord rec = BuiltInRecord();
  rec.LegAngle = -30.9637623f;
  const std::vector<TableMember> members = TableMembers(rec);
  ExpectOutline(*FindMember(members, MemberKind::Leg),
                {{0, 0}, {2.721, 0}, {2.896, 0.292}, {0.175, 0.292}});
}

}  // namespace
}  // namespace varnloft
