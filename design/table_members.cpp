#include "design/table_members.h"

#include <algorithm>
#include <cmath>

#include "measure/angles.h"

namespace varnloft {

namespace {

// The four corners from lower-left, counter-clockwise, moved so the leftmost x is 0.
std::vector<FlatPoint> Outline(MemberShape shape, double length, double width, double offset) {
  std::vector<FlatPoint> corners;
  switch (shape) {
    case MemberShape::Rectangle:
      corners = {{0, 0}, {length, 0}, {length, width}, {0, width}};
      break;
    case MemberShape::Parallelogram:
      corners = {{offset, 0}, {length + offset, 0}, {length, width}, {0, width}};
      break;
    case MemberShape::Trapezoid:
      corners = {{offset, 0}, {length - offset, 0}, {length, width}, {0, width}};
      break;
  }
  double left = corners[0].x;
  for (const FlatPoint& p : corners) left = std::min(left, p.x);
  if (left != 0)
    for (FlatPoint& p : corners) p.x -= left;
  return corners;
}

TableMember Member(MemberKind kind, const char* name, double count, double length, double width,
                   MemberShape shape, float angle, std::vector<double> holes = {},
                   bool present = true) {
  TableMember m;
  m.kind = kind;
  m.name = name;
  m.count = count;
  m.length = length;
  m.width = width;
  m.shape = shape;
  if (shape != MemberShape::Rectangle) {
    m.cutAngle = angle;
    m.cutOffset = TanDeg(angle) * width;
  }
  m.holes = std::move(holes);
  m.present = present;
  m.outline = Outline(shape, length, width, m.cutOffset);
  return m;
}

}  // namespace

float TableTopLengthOf(const DesignRecord& rec) {
  return static_cast<float>(static_cast<double>(rec.OverallLength) - 2.0 * rec.EndCapWidth);
}

std::vector<TableMember> TableMembers(const DesignRecord& rec) {
  using K = MemberKind;
  using S = MemberShape;
  const double tw = rec.TableTopWidth, w = rec.OverallWidth;
  const bool centreSupport = rec.CentreSupportDepth > 0;
  std::vector<TableMember> members;
  members.push_back(Member(K::Leg, "Leg", 4, rec.LegLength, rec.LegWidth, S::Parallelogram,
                           rec.LegAngle, {rec.LowerLegHole, rec.TopLegHole}));
  members.push_back(Member(K::OuterSupport, "Outer Support", 2, tw, rec.OuterSupportDepth,
                           S::Trapezoid, rec.LegAngle,
                           {rec.OuterSupportHole, tw - rec.OuterSupportHole}));
  members.push_back(Member(K::CentreSupport, "Centre Support", 1, tw, rec.CentreSupportDepth,
                           S::Trapezoid, rec.LegAngle, {}, centreSupport));
  members.push_back(Member(K::SeatSupport, "Seat Support", 2, w, rec.SeatSupportDepth, S::Trapezoid,
                           rec.LegAngle, {rec.SeatHole, w - rec.SeatHole}));
  members.push_back(Member(K::Brace, "Brace", 2, rec.BraceLength, rec.BraceCutWidth,
                           S::Parallelogram, rec.BraceAngle, {}, centreSupport));
  members.push_back(Member(K::Seat, "Seat", 2.0 * rec.SeatBoardCount, rec.SeatLength,
                           rec.SeatBoardWidth, S::Rectangle, 0));
  members.push_back(Member(K::TableTop, "Table Top", rec.DeckBoardCount, TableTopLengthOf(rec),
                           rec.DeckBoardWidth, S::Rectangle, 0));
  if (rec.EndCapWidth > 0)
    members.push_back(Member(K::EndCap, "End Cap", 2, tw, rec.EndCapWidth, S::Rectangle, 0));
  return members;
}

const TableMember* FindMember(const std::vector<TableMember>& members, MemberKind kind) {
  for (const TableMember& m : members)
    if (m.kind == kind) return &m;
  return nullptr;
}

double FootprintWidth(const DesignRecord& rec) {
  const double k = TanDeg(rec.LegAngle);
  return 2 * k * (static_cast<double>(rec.TableHeight) - rec.LumberThickness) + rec.TableTopWidth -
         4 * k * rec.OuterSupportDepth;
}

float FrameDiagonalOf(const DesignRecord& rec) {
  const double footprint = FootprintWidth(rec);
  const double base = (footprint - rec.TableTopWidth) / 2 + rec.TableTopWidth;
  const double height = static_cast<double>(rec.TableHeight) - rec.LumberThickness;
  return static_cast<float>(std::sqrt(base * base + height * height));
}

}  // namespace varnloft
