#pragma once
// The members to cut, as the plan sheet lists them: each with its count, its length along the top
// edge, its width, how its ends are cut, its bolt holes and its outline lying flat. The plan
// sheet draws them and the materials buy and nest them, so both read this one list.
#include <vector>

#include "design/design_record.h"

namespace varnloft {

// In the plan sheet's drawing order.
enum class MemberKind {
  Leg,
  OuterSupport,
  CentreSupport,
  SeatSupport,
  Brace,
  Seat,
  TableTop,
  EndCap
};

enum class MemberShape {
  Rectangle,      // square ends
  Parallelogram,  // both ends cut parallel at the member's angle, the lower edge shifted right
  Trapezoid,      // both ends cut at the leg angle, the long side up
};

// Feet, x along the member, y up across it.
struct FlatPoint {
  double x = 0, y = 0;
  bool operator==(const FlatPoint&) const = default;
};

struct TableMember {
  MemberKind kind = MemberKind::Leg;
  const char* name = "";  // "Leg", "Outer Support", ... "End Cap"
  double count = 0;       // as the plan sheet shows it (the record's count need not be whole)
  double length = 0;      // along the top edge
  double width = 0;       // across: the member's depth
  MemberShape shape = MemberShape::Rectangle;
  float cutAngle = 0;    // degrees off square of the end cuts; 0 for square ends
  double cutOffset = 0;  // tan(cutAngle) x width: how far the lower edge's ends lie from the top's
  // Bolt holes on the centre line, from the left end of the top edge, in the order drawn.
  std::vector<double> holes;
  // False for a member the plan sheet draws although this design has none (the centre support
  // and braces of a design without a centre support); the materials leave such members out.
  bool present = true;
  // Counter-clockwise, x from the leftmost point, y from the lower edge: lower-left,
  // lower-right, upper-right, upper-left.
  std::vector<FlatPoint> outline;
};

// Every member of the plan sheet, in its drawing order (end caps only when the design has them).
std::vector<TableMember> TableMembers(const DesignRecord& rec);

// The member of that kind; nullptr when the list has none (the end caps of a design without).
const TableMember* FindMember(const std::vector<TableMember>& members, MemberKind kind);

// The table tops run between the end caps.
float TableTopLengthOf(const DesignRecord& rec);

// The spread of the legs at the floor, in feet: 2 tan(LegAngle) (TableHeight - LumberThickness)
// + TableTopWidth - 4 tan(LegAngle) OuterSupportDepth.
double FootprintWidth(const DesignRecord& rec);

// The squaring diagonal of an end frame, from the upper left point of the frame to the lower
// right point of the leg: the hypotenuse of half the extra footprint plus the table-top width,
// and the frame's height below the deck.
float FrameDiagonalOf(const DesignRecord& rec);

}  // namespace varnloft
